#include "../support/DataTable.h"
#include "../support/ScriptedService.h"
#include "platform/DBusMenu.h"
#include "platform/StatusNotifierItem.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QGuiApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QDBusConnection hostBus()
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"host"_s);
}

QDBusMessage callOn(const QString& service, const QString& path, const QString& interface, const QString& method,
                    const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    // The item answers on this thread: its events go on while waiting.
    return hostBus().call(call, QDBus::BlockWithGui, 5000);
}

// The labels of the menu's items in order, as a host reads them ("-" for a
// separator, "(hidden)" and "(off)" after an item so marked).
QStringList menuLines(const QString& service)
{
    const QDBusMessage reply = callOn(service, QLatin1String(StatusNotifierItem::menuPath), u"com.canonical.dbusmenu"_s,
                                      u"GetLayout"_s, {0, -1, QStringList()});
    DBusMenu::Layout root;
    reply.arguments().value(1).value<QDBusArgument>() >> root;
    QStringList lines;
    for (const QVariant& child : std::as_const(root.children)) {
        DBusMenu::Layout item;
        child.value<QDBusVariant>().variant().value<QDBusArgument>() >> item;
        QString line =
            item.properties.value(u"type"_s) == u"separator"_s ? u"-"_s : item.properties.value(u"label"_s).toString();
        if (item.properties.value(u"visible"_s, true) == false) line += u" (hidden)"_s;
        if (item.properties.value(u"enabled"_s, true) == false) line += u" (off)"_s;
        lines.append(line);
    }
    return lines;
}

} // namespace

class TestStatusNotifierItem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTRY_COMPARE(m_watcher.lines.value(0), u"ready"_s);
        QVERIFY(StatusNotifierItem::watcherPresent());
    }

    void labels_data()
    {
        addColumns<QString, QString>({"text", "label"});
        QTest::newRow("plain") << u"Settings…"_s << u"Settings…"_s;
        QTest::newRow("a mnemonic") << u"&Quit Horavia"_s << u"_Quit Horavia"_s;
        QTest::newRow("an ampersand") << u"Rock && Roll"_s << u"Rock & Roll"_s;
        QTest::newRow("an underscore is no mnemonic") << u"snake_case"_s << u"snake__case"_s;
    }

    void labels()
    {
        auto [text, label] = fetchRow<QString, QString>({"text", "label"});
        QCOMPARE(DBusMenu::label(text), label);
    }

    // Over the bus, as a host reads and clicks it: what the end-to-end run
    // with a real host cannot make, hidden and disabled items, a click on
    // them, a menu open while the actions change, the pixels' byte order.
    void theItemAndItsMenu()
    {
        QAction show(u"Show Clocks"_s), settings(u"Settings…"_s), update(u"A New Version Is Available"_s),
            check(u"Check for Updates…"_s);
        update.setVisible(false);
        check.setEnabled(false);
        StatusNotifierItem item(u"horavia"_s, u"Horavia"_s, {&show, nullptr, &update, &settings, &check});
        QImage square(32, 32, QImage::Format_ARGB32);
        square.fill(QColor(0x10, 0x20, 0x30, 0xff));
        item.setIcon(u"org.horavia.Horavia"_s, QIcon(QPixmap::fromImage(square)));
        item.setToolTip(u"UTC 12:00 PM"_s);
        m_watcher.lines.clear();
        QSignalSpy registered(&item, &StatusNotifierItem::registeredChanged);
        item.setVisible(true);
        QVERIFY(registered.wait(5000));
        QTRY_COMPARE(m_watcher.lines, QStringList{u"registered "_s + item.serviceName()});

        const QString service = item.serviceName();
        QCOMPARE(menuLines(service), (QStringList{"Show Clocks", "-", "A New Version Is Available (hidden)",
                                                  "Settings…", "Check for Updates… (off)"}));
        // The pixels as a host reads them, alpha first, in network byte
        // order; the first read is told once, after its answer.
        QSignalSpy iconRead(&item, &StatusNotifierItem::iconReadByHost);
        QVERIFY(!item.iconRead());
        const auto readPixels = [&] {
            const QDBusMessage reply =
                callOn(service, QLatin1String(StatusNotifierItem::itemPath), u"org.freedesktop.DBus.Properties"_s,
                       u"Get"_s, {u"org.kde.StatusNotifierItem"_s, u"IconPixmap"_s});
            QList<StatusNotifierItem::Pixmap> pixmaps;
            reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>() >> pixmaps;
            return pixmaps;
        };
        const QList<StatusNotifierItem::Pixmap> pixmaps = readPixels();
        QCOMPARE(pixmaps.size(), item.pixmaps().size());
        for (const StatusNotifierItem::Pixmap& pixmap : pixmaps)
            QCOMPARE(pixmap.argb.left(4), QByteArray("\xff\x10\x20\x30", 4));
        QVERIFY(item.iconRead());
        QTRY_COMPARE(iconRead.count(), 1);
        readPixels();
        QTest::qWait(20);
        QCOMPARE(iconRead.count(), 1);

        // A reminder nothing else could show draws the eye to the item, as the host reads it.
        const auto status = [&] {
            return callOn(service, QLatin1String(StatusNotifierItem::itemPath), u"org.freedesktop.DBus.Properties"_s,
                          u"Get"_s, {u"org.kde.StatusNotifierItem"_s, u"Status"_s})
                .arguments()
                .value(0)
                .value<QDBusVariant>()
                .variant()
                .toString();
        };
        QCOMPARE(status(), u"Active"_s);
        item.setNeedsAttention(true);
        QCOMPARE(status(), u"NeedsAttention"_s);
        item.setNeedsAttention(false);
        QCOMPARE(status(), u"Active"_s);

        // A click on an item runs its action; one hidden or switched off does nothing.
        QSignalSpy shown(&show, &QAction::triggered), refused(&check, &QAction::triggered);
        const QString menu = QLatin1String(StatusNotifierItem::menuPath);
        const auto click = [&](int id) {
            callOn(service, menu, u"com.canonical.dbusmenu"_s, u"Event"_s,
                   {id, u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        };
        click(1);
        click(5);
        click(99);
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(refused.count(), 0);

        // A menu open in the host is not rebuilt under the pointer.
        QSignalSpy layouts(&item.menu(), &DBusMenu::LayoutUpdated);
        callOn(service, menu, u"com.canonical.dbusmenu"_s, u"Event"_s,
               {0, u"opened"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        item.menu().setActions({&settings});
        QCOMPARE(layouts.count(), 0);
        QCOMPARE(menuLines(service).size(), 5);
        callOn(service, menu, u"com.canonical.dbusmenu"_s, u"Event"_s,
               {0, u"closed"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        QCOMPARE(layouts.count(), 1);
        QCOMPARE(menuLines(service), QStringList{"Settings…"});

        // The host's activation token goes to the next window shown; one that is no printable word does not.
        for (const QString& token : {u"host-42_x:1"_s, u"a\nDISPLAY=:9"_s})
            callOn(service, QLatin1String(StatusNotifierItem::itemPath), u"org.kde.StatusNotifierItem"_s,
                   u"ProvideXdgActivationToken"_s, {token});
        QCOMPARE(qgetenv("DESKTOP_STARTUP_ID"), "host-42_x:1");

        item.setVisible(false);
        QTRY_VERIFY(!hostBus().interface()->isServiceRegistered(service).value());
    }

    // What a host passes in is taken with care: any process on the bus may call.
    void hostsCalls_data()
    {
        // scrolled: the wheel angle passed on, Qt's way (positive is a turn
        // up, as over the strip), 0 for none. Each host's sign was read from
        // what it sends for a notch up.
        addColumns<int, QString, int>({"delta", "orientation", "scrolled"});
        QTest::newRow("Plasma: a notch up") << 120 << u"Vertical"_s << 120;
        QTest::newRow("Plasma: a notch down") << -120 << u"vertical"_s << -120;
        QTest::newRow("GNOME, waybar, gtk-sni-tray: a notch up") << -1 << u"vertical"_s << 120;
        QTest::newRow("GNOME, waybar, gtk-sni-tray: a notch down") << 1 << u"vertical"_s << -120;
        QTest::newRow("a count of pixels down is a notch") << 7 << u"horizontal"_s << -120;
        QTest::newRow("an absurd count") << std::numeric_limits<int>::min() << u"vertical"_s << 120;
        QTest::newRow("an absurd angle is a few notches") << 120 * 1000000 << u"vertical"_s << 1200;
        QTest::newRow("no turn") << 0 << u"vertical"_s << 0;
        QTest::newRow("an unknown orientation") << 120 << u"sideways"_s << 0;
    }

    void hostsCalls()
    {
        auto [delta, orientation, scrolled] = fetchRow<int, QString, int>({"delta", "orientation", "scrolled"});
        StatusNotifierItem item(u"horavia"_s, u"Horavia"_s, {});
        QSignalSpy turns(&item, &StatusNotifierItem::scrolled);
        item.Scroll(delta, orientation);
        QCOMPARE(turns.isEmpty() ? 0 : turns.first().first().toInt(), scrolled);
    }

private:
    ScriptedService m_watcher{u"sni-watcher.py"_s};
};

QTEST_MAIN(TestStatusNotifierItem)
#include "TestStatusNotifierItem.moc"
