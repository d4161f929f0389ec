#include "../support/DataTable.h"
#include "../support/ScriptedService.h"
#include "platform/FileChooser.h"
#include "platform/GlobalShortcut.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A call on the fake portal's test interface: Press, Bind or Choose.
void toPortal(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(GlobalShortcut::portalService), u"/Test"_s,
                                                       u"org.horavia.Test"_s, method);
    call.setArguments(arguments);
    QDBusConnection::sessionBus().call(call);
}

} // namespace

class TestPortal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QTRY_COMPARE(m_portal.lines.value(0), u"ready"_s); }

    // A file chosen in the desktop's chooser comes back as its path; a
    // cancel, or a place that is no file, as none; without a portal the
    // caller is told to show its own dialog.
    void fileChooser_data()
    {
        addColumns<uint, QStringList, QString>({"code", "uris", "chosen"});
        QTest::newRow("a file") << 0u << QStringList{u"file:///home/me/Horavia%20Cities.json"_s}
                                << u"/home/me/Horavia Cities.json"_s;
        QTest::newRow("cancelled") << 1u << QStringList() << QString();
        QTest::newRow("not a file") << 0u << QStringList{u"https://example.org/list.json"_s} << QString();
        QTest::newRow("nothing chosen") << 0u << QStringList() << QString();
    }
    void fileChooser()
    {
        auto [code, uris, chosen] = fetchRow<uint, QStringList, QString>({"code", "uris", "chosen"});
        toPortal(u"Choose"_s, {code, uris});
        m_portal.lines.clear();
        std::optional<QString> heard;
        bool unavailable = false;
        FileChooser::ask(
            FileChooser::Mode::save, u"Export Cities"_s, u"Horavia Cities.json"_s, u"x11:2a"_s, this,
            [&](const QString& path) { heard = path; }, [&] { unavailable = true; });
        QTRY_VERIFY(heard.has_value());
        QVERIFY(!unavailable);
        QCOMPARE(*heard, chosen);
        QCOMPARE(m_portal.lines, QStringList{u"SaveFile x11:2a Export Cities Horavia Cities.json"_s});
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
        toPortal(u"Press"_s, {u"another"_s, QString()});
        toPortal(u"Press"_s, {u"show-clocks"_s, u"tok-1"_s});
        QVERIFY(pressed.wait(2000));
        QTest::qWait(50);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.first().first().toString(), u"tok-1"_s);

        shortcut.configure();
        QTRY_COMPARE(m_portal.lines.last(), u"ConfigureShortcuts"_s);
    }

    // A key bound in an earlier session is kept, not asked for again.
    void anEarlierBindingStays()
    {
        toPortal(u"Bind"_s, {u"show-clocks"_s, u"Super+K"_s});
        m_portal.lines.clear();
        GlobalShortcut shortcut(u"org.horavia.Horavia"_s, u"show-clocks"_s, u"Show Clocks"_s);
        QSignalSpy trigger(&shortcut, &GlobalShortcut::triggerChanged);
        shortcut.start();
        QVERIFY(trigger.wait(5000));
        QCOMPARE(shortcut.trigger(), u"Super+K"_s);
        QCOMPARE(m_portal.lines, (QStringList{"Register org.horavia.Horavia", "CreateSession", "ListShortcuts"}));
    }

    // Last: the portal leaves the bus.
    void noFileChooser()
    {
        m_portal.kill();
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QLatin1String(GlobalShortcut::portalService)));
        bool unavailable = false;
        FileChooser::ask(
            FileChooser::Mode::open, u"Import Cities"_s, {}, {}, this, [](const QString&) { QFAIL("an answer"); },
            [&] { unavailable = true; });
        QTRY_VERIFY(unavailable);
    }

private:
    ScriptedService m_portal{u"desktop-portal.py"_s};
};

QTEST_GUILESS_MAIN(TestPortal)
#include "TestPortal.moc"
