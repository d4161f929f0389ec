#include "platform/Notifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The desktop's notification service, on a connection of its own.
class FakeService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QVariantList last;
    uint next = 40;

public slots:
    QStringList GetCapabilities() { return {u"body"_s, u"body-markup"_s, u"actions"_s}; }
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        last = {app, replaces, icon, summary, body, actions, hints, timeout};
        return replaces ? replaces : ++next;
    }
};

namespace {

QDBusConnection connection(const QString& name)
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
}

// ActionInvoked as `from` sends it.
void invoke(QDBusConnection from, uint id, const QString& action)
{
    QDBusMessage signal = QDBusMessage::createSignal(u"/org/freedesktop/Notifications"_s,
                                                     u"org.freedesktop.Notifications"_s, u"ActionInvoked"_s);
    signal << id << action;
    from.send(signal);
}

} // namespace

class TestNotifications : public QObject {
    Q_OBJECT

private slots:
    // What the service is sent, and whose clicks count: only the service's,
    // only on a message this process sent; a second message with the same
    // key replaces the first.
    void throughTheService()
    {
        FakeService service;
        QDBusConnection desktop = connection(u"desktop"_s);
        QVERIFY(desktop.registerObject(u"/org/freedesktop/Notifications"_s, &service, QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(u"org.freedesktop.Notifications"_s));

        const auto notifications = Notifications::forDesktop(u"org.horavia.Horavia"_s);
        QSignalSpy actions(notifications.get(), &Notifications::actionInvoked);
        QSignalSpy lost(notifications.get(), &Notifications::notShown);
        const Notifications::Message message{u"r1"_s,
                                             u"Call <Kenji>"_s,
                                             u"9:00 AM in Tokyo & 1:00 AM here"_s,
                                             {{u"default"_s, u"Show"_s}, {u"snooze"_s, u"Snooze 10 min"_s}}};
        notifications->show(message);
        QTRY_COMPARE(service.last.size(), 8);
        QCOMPARE(service.last.at(3).toString(), u"Call <Kenji>"_s); // the summary is plain text
        QCOMPARE(service.last.at(4).toString(), u"9:00 AM in Tokyo &amp; 1:00 AM here"_s);
        QCOMPARE(service.last.at(5).toStringList(),
                 (QStringList{u"default"_s, u"Show"_s, u"snooze"_s, u"Snooze 10 min"_s}));
        QCOMPARE(service.last.at(6).toMap().value(u"desktop-entry"_s).toString(), u"org.horavia.Horavia"_s);
        QTest::qWait(50); // the id comes back

        invoke(connection(u"stranger"_s), 41, u"snooze"_s);
        invoke(desktop, 99, u"snooze"_s);
        invoke(desktop, 41, u"default"_s);
        QTRY_COMPARE(actions.size(), 1);
        QTest::qWait(50);
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first(), (QVariantList{u"r1"_s, u"default"_s}));

        notifications->show(message);
        QTRY_COMPARE(service.last.at(1).toUInt(), 41u);
        QCOMPARE(lost.size(), 0);

        // No service on the bus: the caller hears it was not shown (where
        // none would be started for the call, as the test bus may do).
        desktop.unregisterService(u"org.freedesktop.Notifications"_s);
        if (desktop.interface()->activatableServiceNames().value().contains(u"org.freedesktop.Notifications"_s)) return;
        notifications->show({u"r2"_s, u"Lost"_s, {}, {}});
        QTRY_COMPARE(lost.size(), 1);
        QCOMPARE(lost.first().first().value<Notifications::Message>().key, u"r2"_s);
    }
};

QTEST_GUILESS_MAIN(TestNotifications)
#include "TestNotifications.moc"
