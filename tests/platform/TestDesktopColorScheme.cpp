#include "platform/DesktopColorScheme.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using Preference = DesktopColorScheme::Preference;

namespace {

const QString portalPath = u"/org/freedesktop/portal/desktop"_s;

// A stand-in for the desktop portal's settings, on a connection and a thread
// of its own, as a separate process would be: it answers while the caller blocks.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit StandInPortal(QVariant scheme)
        : m_scheme(std::move(scheme))
        , m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"portal"_s))
    {
        m_bus.registerObject(portalPath, this, QDBusConnection::ExportAllSlots);
        m_bus.registerService(u"org.freedesktop.portal.Desktop"_s);
    }
    ~StandInPortal() override
    {
        m_bus.unregisterService(u"org.freedesktop.portal.Desktop"_s);
        m_bus.unregisterObject(portalPath);
        QDBusConnection::disconnectFromBus(u"portal"_s);
    }

    void change(const QString& group, const QString& key, const QVariant& value)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(portalPath, u"org.freedesktop.portal.Settings"_s, u"SettingChanged"_s);
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        m_bus.send(signal);
    }

public slots:
    QDBusVariant Read(const QString& group, const QString& key, const QDBusMessage& message)
    {
        if (group != u"org.freedesktop.appearance"_s || key != u"color-scheme"_s || !m_scheme.isValid()) {
            message.setDelayedReply(true);
            m_bus.send(
                message.createErrorReply(u"org.freedesktop.portal.Error.NotFound"_s, u"Requested setting not found"_s));
            return {};
        }
        // The portal wraps the value in a second variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(m_scheme)));
    }

private:
    QVariant m_scheme;
    QDBusConnection m_bus;
};

class PortalThread {
public:
    explicit PortalThread(const QVariant& scheme)
        : m_portal(new StandInPortal(scheme))
    {
        m_portal->moveToThread(&m_thread);
        m_thread.start();
    }
    ~PortalThread()
    {
        QMetaObject::invokeMethod(
            m_portal, [portal = m_portal] { delete portal; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    StandInPortal* operator->() const { return m_portal; }

private:
    QThread m_thread;
    StandInPortal* m_portal;
};

} // namespace

class TestDesktopColorScheme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected()) QFAIL("no session bus: run inside dbus-run-session");
    }

    // First, in a fresh process: nothing else has registered D-Bus types yet.
    void followsChanges()
    {
        qputenv("GTK_THEME", "Adwaita");
        PortalThread portal(2u);
        DesktopColorScheme scheme;
        QCOMPARE(scheme.portalPreference(), Preference::light);
        QSignalSpy changed(&scheme, &DesktopColorScheme::prefersDarkChanged);

        portal->change(u"org.freedesktop.appearance"_s, u"accent-color"_s, 1u);
        portal->change(u"org.gnome.desktop.interface"_s, u"color-scheme"_s, 1u);
        portal->change(u"org.freedesktop.appearance"_s, u"color-scheme"_s, 1u);
        QVERIFY(changed.wait(5000));
        QVERIFY(scheme.prefersDark());
        QCOMPARE(changed.count(), 1); // the other keys changed nothing

        portal->change(u"org.freedesktop.appearance"_s, u"color-scheme"_s, 0u);
        QVERIFY(changed.wait(5000));
        QVERIFY(!scheme.prefersDark());
    }

    void atStart_data()
    {
        QTest::addColumn<QVariant>("portal"); // invalid: no portal; a QString: a bad answer
        QTest::addColumn<QByteArray>("gtkTheme");
        QTest::addColumn<bool>("dark");
        QTest::newRow("no portal, light GTK theme") << QVariant() << "Adwaita"_ba << false;
        QTest::newRow("no portal, dark GTK theme") << QVariant() << "Adwaita:dark"_ba << true;
        QTest::newRow("portal dark over a light theme") << QVariant(1u) << "Adwaita"_ba << true;
        QTest::newRow("portal light over a dark theme") << QVariant(2u) << "Adwaita:dark"_ba << false;
        QTest::newRow("no preference: the theme decides") << QVariant(0u) << "Adwaita:dark"_ba << true;
        QTest::newRow("unknown value: the theme decides") << QVariant(7u) << "Adwaita"_ba << false;
        QTest::newRow("wrong type ignored") << QVariant(u"dark"_s) << "Adwaita"_ba << false;
    }

    void atStart()
    {
        QFETCH(QVariant, portal);
        QFETCH(QByteArray, gtkTheme);
        QFETCH(bool, dark);
        qputenv("GTK_THEME", gtkTheme);
        std::unique_ptr<PortalThread> standIn;
        if (portal.isValid()) standIn = std::make_unique<PortalThread>(portal);
        const DesktopColorScheme scheme;
        QCOMPARE(scheme.prefersDark(), dark);
    }
};

QTEST_GUILESS_MAIN(TestDesktopColorScheme)
#include "TestDesktopColorScheme.moc"
