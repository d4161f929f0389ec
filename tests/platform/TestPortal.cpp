#include "platform/FileChooser.h"
#include "platform/GlobalShortcut.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A request's path for `sender`, answered a moment later, as the portal does
// once the user has chosen.
QDBusObjectPath answerLater(QObject* portal, const QString& sender, const QVariantMap& options, uint code,
                            const QVariantMap& results)
{
    const QString path = u"/org/freedesktop/portal/desktop/request/%1/%2"_s.arg(
        sender.mid(1).replace(u'.', u'_'), options.value(u"handle_token"_s).toString());
    QTimer::singleShot(10, portal, [path, code, results] {
        QDBusMessage signal = QDBusMessage::createSignal(path, u"org.freedesktop.portal.Request"_s, u"Response"_s);
        signal << code << results;
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"portal"_s).send(signal);
    });
    return QDBusObjectPath(path);
}

} // namespace

// The desktop's portal, as far as the shortcut needs it, on a connection of its own.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)

public:
    uint version() const { return 2; }
    QStringList calls;
    QList<GlobalShortcut::Binding> bound; // what the user chose
    QString boundKey = u"Ctrl+Alt+C"_s;
    QString session;

    void activate(const QString& id, const QVariantMap& options)
    {
        QDBusMessage signal = QDBusMessage::createSignal(u"/org/freedesktop/portal/desktop"_s,
                                                         u"org.freedesktop.portal.GlobalShortcuts"_s, u"Activated"_s);
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1) << options;
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"portal"_s).send(signal);
    }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options)
    {
        calls.append(u"CreateSession"_s);
        session = u"/org/freedesktop/portal/desktop/session/x/"_s + options.value(u"session_handle_token"_s).toString();
        return answer(options, {{u"session_handle"_s, session}});
    }
    QDBusObjectPath ListShortcuts(const QDBusObjectPath& /*session*/, const QVariantMap& options)
    {
        calls.append(u"ListShortcuts"_s);
        return answer(options, {{u"shortcuts"_s, QVariant::fromValue(bound)}});
    }
    QDBusObjectPath BindShortcuts(const QDBusObjectPath& /*session*/, const QList<GlobalShortcut::Binding>& shortcuts,
                                  const QString& /*parent*/, const QVariantMap& options)
    {
        QStringList asked;
        for (const GlobalShortcut::Binding& shortcut : shortcuts)
            asked.append(shortcut.id + u'=' + shortcut.properties.value(u"description"_s).toString() +
                         (shortcut.properties.contains(u"preferred_trigger"_s) ? u" with a key"_s : QString()));
        calls.append(u"BindShortcuts "_s + asked.join(u','));
        bound = {{shortcuts.value(0).id, {{u"trigger_description"_s, boundKey}}}};
        return answer(options, {{u"shortcuts"_s, QVariant::fromValue(bound)}});
    }
    void ConfigureShortcuts(const QDBusObjectPath& /*session*/, const QString& /*parent*/,
                            const QVariantMap& /*options*/)
    {
        calls.append(u"ConfigureShortcuts"_s);
    }

private:
    QDBusObjectPath answer(const QVariantMap& options, const QVariantMap& results)
    {
        return answerLater(this, message().service(), options, 0, results);
    }
};

// The portal's host registry, on the portal's own object.
class FakeRegistry : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.host.portal.Registry")

public:
    explicit FakeRegistry(QObject* portal)
        : QDBusAbstractAdaptor(portal)
    {
    }

public slots:
    void Register(const QString& /*appId*/, const QVariantMap& /*options*/) {}
};

// The portal's file chooser: the user's choice comes back as a file's
// address, or as a cancellation.
class FakeFileChooser : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")

public:
    explicit FakeFileChooser(QObject* portal)
        : QDBusAbstractAdaptor(portal)
    {
    }
    QStringList calls;
    uint code = 0;
    QStringList uris;

public slots:
    QDBusObjectPath SaveFile(const QString& parent, const QString& title, const QVariantMap& options)
    {
        calls.append(u"SaveFile %1 %2 %3"_s.arg(parent, title, options.value(u"current_name"_s).toString()));
        return answer(options);
    }
    QDBusObjectPath OpenFile(const QString& parent, const QString& title, const QVariantMap& options)
    {
        calls.append(u"OpenFile %1 %2"_s.arg(parent, title));
        return answer(options);
    }

private:
    QDBusObjectPath answer(const QVariantMap& options)
    {
        return answerLater(this, QDBusConnection::sessionBus().baseService(), options, code, {{u"uris"_s, uris}});
    }
};

class TestPortal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qDBusRegisterMetaType<GlobalShortcut::Binding>();
        qDBusRegisterMetaType<QList<GlobalShortcut::Binding>>();
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"portal"_s);
        new FakeRegistry(&m_portal);
        m_chooser = new FakeFileChooser(&m_portal);
        QVERIFY(bus.registerObject(u"/org/freedesktop/portal/desktop"_s, &m_portal,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                       QDBusConnection::ExportAdaptors));
        QVERIFY(bus.registerService(QLatin1String(GlobalShortcut::portalService)));
    }

    // A file chosen in the desktop's chooser comes back as its path; a
    // cancel, or a place that is no file, as none; without a portal the
    // caller is told to show its own dialog.
    void fileChooser_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QStringList>("uris");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("a file") << 0u << QStringList{u"file:///home/me/Horavia%20Cities.json"_s}
                                << u"/home/me/Horavia Cities.json"_s;
        QTest::newRow("cancelled") << 1u << QStringList() << QString();
        QTest::newRow("not a file") << 0u << QStringList{u"https://example.org/list.json"_s} << QString();
        QTest::newRow("nothing chosen") << 0u << QStringList() << QString();
    }
    void fileChooser()
    {
        QFETCH(uint, code);
        QFETCH(QStringList, uris);
        QFETCH(QString, chosen);
        m_chooser->code = code;
        m_chooser->uris = uris;
        m_chooser->calls.clear();
        std::optional<QString> heard;
        bool unavailable = false;
        FileChooser::ask(
            FileChooser::Mode::save, u"Export Cities"_s, u"Horavia Cities.json"_s, u"x11:2a"_s, this,
            [&](const QString& path) { heard = path; }, [&] { unavailable = true; });
        QTRY_VERIFY(heard.has_value());
        QVERIFY(!unavailable);
        QCOMPARE(*heard, chosen);
        QCOMPARE(m_chooser->calls, QStringList{u"SaveFile x11:2a Export Cities Horavia Cities.json"_s});
    }
    // The user's key is shown, a press is told with its token, and a press of
    // another shortcut's is not (the calls a first start makes are the
    // end-to-end shortcut run's).
    void bindsAndHearsTheKey()
    {
        GlobalShortcut shortcut(u"org.horavia.Horavia"_s, u"show-clocks"_s, u"Show Clocks"_s);
        QSignalSpy available(&shortcut, &GlobalShortcut::availableChanged);
        QSignalSpy trigger(&shortcut, &GlobalShortcut::triggerChanged);
        shortcut.start();
        QVERIFY(trigger.wait(5000));
        QCOMPARE(available.first().first().toBool(), true);
        QCOMPARE(shortcut.trigger(), u"Ctrl+Alt+C"_s);

        QSignalSpy pressed(&shortcut, &GlobalShortcut::activated);
        m_portal.activate(u"another"_s, {});
        m_portal.activate(u"show-clocks"_s, {{u"activation_token"_s, u"tok-1"_s}});
        QVERIFY(pressed.wait(2000));
        QTest::qWait(50);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.first().first().toString(), u"tok-1"_s);

        shortcut.configure();
        QTRY_COMPARE(m_portal.calls.last(), u"ConfigureShortcuts"_s);
    }

    // A key bound in an earlier session is kept, not asked for again.
    void anEarlierBindingStays()
    {
        m_portal.calls.clear();
        m_portal.bound = {{u"show-clocks"_s, {{u"trigger_description"_s, u"Super+K"_s}}}};
        GlobalShortcut shortcut(u"org.horavia.Horavia"_s, u"show-clocks"_s, u"Show Clocks"_s);
        QSignalSpy trigger(&shortcut, &GlobalShortcut::triggerChanged);
        shortcut.start();
        QVERIFY(trigger.wait(5000));
        QCOMPARE(shortcut.trigger(), u"Super+K"_s);
        QCOMPARE(m_portal.calls, (QStringList{"CreateSession", "ListShortcuts"}));
    }

    // Last: the portal leaves the bus.
    void noFileChooser()
    {
        QDBusConnection portal = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"portal"_s);
        QVERIFY(portal.unregisterService(QLatin1String(GlobalShortcut::portalService)));
        bool unavailable = false;
        FileChooser::ask(
            FileChooser::Mode::open, u"Import Cities"_s, {}, {}, this, [](const QString&) { QFAIL("an answer"); },
            [&] { unavailable = true; });
        QTRY_VERIFY(unavailable);
    }

private:
    FakePortal m_portal;
    FakeFileChooser* m_chooser = nullptr;
};

QTEST_GUILESS_MAIN(TestPortal)
#include "TestPortal.moc"
