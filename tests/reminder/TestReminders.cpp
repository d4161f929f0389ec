#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "platform/Notifications.h"
#include "platform/WallClockAlarm.h"
#include "reminder/Reminders.h"
#include "settings/JsonPreferences.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QDateTime utc(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

class FakeAlarm final : public WallClockAlarm {
public:
    QDateTime armed;
    void arm(const QDateTime& at) override { armed = at; }
    void disarm() override { armed = {}; }
};

class FakeNotifications final : public Notifications {
public:
    QList<Message> shown;
    std::function<void(const Message&)> onShow;
    void show(const Message& message) override
    {
        if (onShow) onShow(message);
        shown.append(message);
    }
};

// A reminder at `wall` ("2026-03-08T02:30") kept in `zone` (empty: home).
Reminder at(const char* wall, const char* zone = "", int lead = 0, const char* note = "")
{
    Reminder reminder;
    const QString text = QString::fromLatin1(wall);
    reminder.day = QDate::fromString(text.left(10), Qt::ISODate);
    reminder.time = QTime::fromString(text.mid(11), u"HH:mm"_s);
    reminder.zone = QString::fromLatin1(zone);
    reminder.place = reminder.zone.section(u'/', -1);
    reminder.leadMinutes = lead;
    reminder.note = QString::fromLatin1(note);
    return reminder;
}

// The reminders of one test: a file in a scratch folder, a clock the test moves.
struct Rig {
    QTemporaryDir folder;
    QString file = folder.filePath(u"reminders.json"_s);
    std::unique_ptr<JsonPreferences> store = std::make_unique<JsonPreferences>(file);
    QDateTime now = utc("2026-03-06T12:00:00Z");
    QTimeZone home{"Europe/London"};
    FakeAlarm* alarm = nullptr;
    FakeNotifications notifications;
    std::unique_ptr<Reminders> reminders;

    Rig() { start(); }
    // As a new start of the application would: the same file, read again.
    void start()
    {
        reminders.reset();
        store = std::make_unique<JsonPreferences>(file);
        auto owned = std::make_unique<FakeAlarm>();
        alarm = owned.get();
        Reminders::Environment environment;
        environment.now = [this] { return now; };
        environment.home = [this] { return home; };
        environment.describe = [](const Reminder& reminder) { return reminder.place; };
        environment.cities = [](const QDateTime& at) { return QStringList{at.toString(Qt::ISODate)}; };
        reminders = std::make_unique<Reminders>(*store, std::move(owned), &notifications, environment);
    }
    QStringList titles() const
    {
        QStringList out;
        for (const Notifications::Message& message : notifications.shown)
            out << message.title.section(u' ', 0, 1); // "3 reminder(s)": no catalogue gives the plural here
        return out;
    }
};

QJsonObject stored(const char* id, const char* wall, const char* zone = "Asia/Tokyo")
{
    return {{u"id"_s, QString::fromLatin1(id)},
            {u"wall"_s, QString::fromLatin1(wall)},
            {u"zone"_s, QString::fromLatin1(zone)},
            {u"leadMinutes"_s, 10}};
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT

private slots:
    // The instant a reminder names, and when it rings, across clock changes
    // in its own zone and in the user's; expected instants worked out from
    // the zones' rules by hand.
    void instants_data()
    {
        addColumns<Reminder, QString, QDateTime, QDateTime>({"reminder", "home", "instant", "due"});
        const auto row = [](const char* name, const Reminder& reminder, const char* home, const char* instant,
                            const char* due) {
            QTest::newRow(name) << reminder << QString::fromLatin1(home) << utc(instant) << utc(due);
        };
        row("Tokyo's 9:00 from London", at("2026-03-09T09:00", "Asia/Tokyo"), "Europe/London", "2026-03-09T00:00:00Z",
            "2026-03-09T00:00:00Z");
        row("Tokyo's 9:00 stays put when home moves", at("2026-03-09T09:00", "Asia/Tokyo", 10), "America/New_York",
            "2026-03-09T00:00:00Z", "2026-03-08T23:50:00Z");
        row("9:00 here in London", at("2026-03-09T09:00"), "Europe/London", "2026-03-09T09:00:00Z",
            "2026-03-09T09:00:00Z");
        row("9:00 here follows home to Tokyo", at("2026-03-09T09:00", "", 60), "Asia/Tokyo", "2026-03-09T00:00:00Z",
            "2026-03-08T23:00:00Z");
        row("New York's skipped 2:30 reads with the offset before", at("2026-03-08T02:30", "America/New_York"),
            "Europe/London", "2026-03-08T07:30:00Z", "2026-03-08T07:30:00Z");
        row("New York's repeated 1:30 is the first", at("2026-11-01T01:30", "America/New_York"), "Europe/London",
            "2026-11-01T05:30:00Z", "2026-11-01T05:30:00Z");
        row("a lead across New York's jump", at("2026-03-08T03:05", "America/New_York", 10), "Europe/London",
            "2026-03-08T07:05:00Z", "2026-03-08T06:55:00Z");
        row("London's skipped 1:30, here", at("2026-03-29T01:30"), "Europe/London", "2026-03-29T01:30:00Z",
            "2026-03-29T01:30:00Z");
        row("Sydney's repeated 2:30 is the first", at("2026-04-05T02:30", "Australia/Sydney"), "Europe/London",
            "2026-04-04T15:30:00Z", "2026-04-04T15:30:00Z");
        row("Lord Howe's half-hour jump", at("2026-10-04T02:15", "Australia/Lord_Howe"), "Europe/London",
            "2026-10-03T15:45:00Z", "2026-10-03T15:45:00Z");
    }

    void instants()
    {
        const auto [reminder, home, instant, due] =
            fetchRow<Reminder, QString, QDateTime, QDateTime>({"reminder", "home", "instant", "due"});
        const QTimeZone zone(home.toUtf8());
        QCOMPARE(reminder.instant(zone), instant);
        QCOMPARE(reminder.due(zone), due);
        // What is stored reads back the same.
        Reminder kept = reminder;
        kept.id = u"x"_s;
        QCOMPARE(ReminderFile::read(ReminderFile::write({kept})), QList<Reminder>{kept});
    }

    // The one alarm is armed for the earliest reminder still to come, and
    // moves when the user's zone does, for reminders kept at home only.
    void armingFollowsHome()
    {
        Rig rig;
        rig.reminders->set(at("2026-03-07T09:00", "Asia/Tokyo")); // 00:00Z
        rig.reminders->set(at("2026-03-06T20:00"));               // 20:00Z in London
        QCOMPARE(rig.alarm->armed, utc("2026-03-06T20:00:00Z"));
        rig.home = QTimeZone("America/New_York"); // 20:00 here is 01:00Z now
        rig.reminders->homeMayHaveChanged();
        QCOMPARE(rig.alarm->armed, utc("2026-03-07T00:00:00Z"));
        rig.reminders->remove(rig.reminders->upcoming().first().id);
        QCOMPARE(rig.alarm->armed, utc("2026-03-07T01:00:00Z"));
        rig.reminders->remove(rig.reminders->upcoming().first().id);
        QVERIFY(!rig.alarm->armed.isValid());
    }

    // What arrives when the alarm rings, or on a start after time passed:
    // on time, late (once, marked), grouped when several are late, missed
    // after a day; nothing twice.
    void delivery_data()
    {
        addColumns<QList<qint64>, QStringList, int>({"lateBy", "titles", "missed"});
        QTest::newRow("on time") << QList<qint64>{0} << QStringList{u"r0"_s} << 0;
        QTest::newRow("a second late is on time") << QList<qint64>{1} << QStringList{u"r0"_s} << 0;
        QTest::newRow("one late, marked") << QList<qint64>{3600} << QStringList{u"r0"_s} << 0;
        QTest::newRow("several late, one message")
            << QList<qint64>{600, 7200, 80000} << QStringList{u"3 reminder(s)"_s} << 0;
        QTest::newRow("more than a day late is missed") << QList<qint64>{86400} << QStringList{} << 1;
        QTest::newRow("on time, late and missed together")
            << QList<qint64>{0, 900, 90000} << QStringList{u"r0"_s, u"r1"_s} << 1;
        QTest::newRow("still to come") << QList<qint64>{-60} << QStringList{} << 0;
    }

    void delivery()
    {
        const auto [lateBy, titles, missed] = fetchRow<QList<qint64>, QStringList, int>({"lateBy", "titles", "missed"});
        Rig rig;
        for (qsizetype i = 0; i < lateBy.size(); ++i) {
            const QDateTime due = rig.now.addSecs(-lateBy.at(i));
            Reminder reminder = Reminder::at(due, QTimeZone("Asia/Tokyo"), u"Tokyo"_s, rig.home);
            reminder.note = u"r%1"_s.arg(i);
            // Set before its time; the clock then runs on.
            const QDateTime now = rig.now;
            rig.now = due.addSecs(-3600);
            rig.reminders->set(reminder);
            rig.now = now;
        }
        rig.start(); // the time passed while nothing ran
        rig.reminders->replan();
        QCOMPARE(rig.titles(), titles);
        for (const Notifications::Message& message : rig.notifications.shown) {
            if (!message.title.startsWith(u'r')) continue; // the group says it in its title
            const bool late = message.body.contains(u"Late:"_s);
            QCOMPARE(late, lateBy.value(message.title.mid(1).toInt()) > Reminders::onTimeSeconds);
        }
        QCOMPARE(std::count_if(rig.reminders->all().cbegin(), rig.reminders->all().cend(),
                               [](const Reminder& reminder) { return reminder.missed; }),
                 missed);
        // Another start delivers nothing again.
        rig.notifications.shown.clear();
        rig.start();
        rig.reminders->replan();
        QCOMPARE(rig.titles(), QStringList{});
    }

    // A delivery is on disk before the message leaves, so that a crash in
    // between never sends it twice.
    void writtenBeforeSent()
    {
        Rig rig;
        const QString id = rig.reminders->set(at("2026-03-06T12:05"));
        int checked = 0;
        rig.notifications.onShow = [&](const Notifications::Message& message) {
            QCOMPARE(message.key, id);
            const QList<Reminder> onDisk = Reminders::read(*JsonPreferences::snapshot(rig.file));
            QCOMPARE(onDisk.size(), 1);
            QVERIFY(!onDisk.first().isPending());
            ++checked;
        };
        rig.now = utc("2026-03-06T12:05:00Z");
        emit rig.alarm->rang();
        QCOMPARE(checked, 1);
    }

    // "Snooze" rings again ten minutes on, replacing the first message;
    // "Show" asks for the clocks at the reminder's time. A key this process
    // never gave, or an action it never offered, does nothing.
    void actions()
    {
        Rig rig;
        const QString id = rig.reminders->set(at("2026-03-07T09:00", "Asia/Tokyo"));
        rig.now = utc("2026-03-07T00:00:00Z");
        emit rig.alarm->rang();
        QCOMPARE(rig.notifications.shown.size(), 1);
        QSignalSpy shows(rig.reminders.get(), &Reminders::showRequested);
        emit rig.notifications.actionInvoked(u"someone else's"_s, u"default"_s);
        emit rig.notifications.actionInvoked(id, u"delete everything"_s);
        QCOMPARE(shows.size(), 0);
        emit rig.notifications.actionInvoked(id, u"default"_s);
        QCOMPARE(shows.size(), 1);
        QCOMPARE(shows.first().first().toDateTime(), utc("2026-03-07T00:00:00Z"));

        emit rig.notifications.actionInvoked(id, u"snooze"_s);
        QCOMPARE(rig.alarm->armed, utc("2026-03-07T00:10:00Z"));
        rig.start(); // a snooze outlives a restart
        rig.reminders->replan();
        QCOMPARE(rig.alarm->armed, utc("2026-03-07T00:10:00Z"));
        rig.now = utc("2026-03-07T00:10:00Z");
        emit rig.alarm->rang();
        QCOMPARE(rig.notifications.shown.size(), 2);
        QCOMPARE(rig.notifications.shown.last().key, id);
    }

    // With no notification service, the reminder is still said, by the application.
    void undeliveredIsSaid()
    {
        Rig rig;
        rig.reminders->set(at("2026-03-06T12:00", "", 0, "Call"));
        QSignalSpy said(rig.reminders.get(), &Reminders::undelivered);
        emit rig.notifications.notShown(rig.notifications.shown.first());
        QCOMPARE(said.size(), 1);
        QCOMPARE(said.first().first().toString(), u"Call"_s);
    }

    // The file is read as a stranger's: what cannot be a reminder is left
    // out, the rest kept; a FIFO in its place is never waited on, and the
    // next write puts a file there. A link the user made (to a folder of
    // dotfiles) is followed, as the settings' is.
    void storage_data()
    {
        addColumns<QByteArray, int, QString>({"content", "kept", "check"});
        const auto file = [](const QJsonArray& reminders) {
            return QJsonDocument(QJsonObject{{u"reminders"_s, reminders}}).toJson();
        };
        QTest::newRow("good") << file({stored("a", "2026-03-07T09:00")}) << 1 << u"lead 10"_s;
        QTest::newRow("not a list") << QByteArray(R"({"reminders": "soon"})") << 0 << QString();
        QTest::newRow("not JSON") << QByteArray("\x00\xff{[") << 0 << QString();
        QJsonObject numberId = stored("a", "2026-03-07T09:00");
        numberId.insert(u"id"_s, 7);
        QJsonObject textLead = stored("b", "2026-03-07T09:00");
        textLead.insert(u"leadMinutes"_s, u"10"_s);
        QJsonObject oddLead = stored("c", "2026-03-07T09:00");
        oddLead.insert(u"leadMinutes"_s, 7.5);
        QJsonObject hugeLead = stored("d", "2026-03-07T09:00");
        hugeLead.insert(u"leadMinutes"_s, 1e300);
        QTest::newRow("bad types") << file({numberId, textLead, oddLead, hugeLead, 5, QJsonValue::Null}) << 3
                                   << u"lead 0"_s;
        QTest::newRow("unknown zone, bad times")
            << file({stored("a", "2026-03-07T09:00", "Mars/Olympus"), stored("b", "2026-13-07T09:00"),
                     stored("c", "2026-03-07T25:00"), stored("d", "tomorrow")})
            << 0 << QString();
        QTest::newRow("a twice") << file({stored("a", "2026-03-07T09:00"), stored("a", "2026-03-08T09:00")}) << 1
                                 << QString();
        QJsonObject huge = stored("a", "2026-03-07T09:00");
        huge.insert(u"note"_s, QString(1'000'000, u'x'));
        QTest::newRow("huge note") << file({huge}) << 1 << u"note 500"_s;
        QJsonArray many;
        for (int i = 0; i < ReminderFile::mostReminders + 5; ++i)
            many.append(stored(QByteArray::number(i).constData(), "2026-03-07T09:00"));
        QTest::newRow("10,005 reminders") << file(many) << ReminderFile::mostReminders << QString();
        QTest::newRow("a link, read and written where it points") << QByteArray() << 1 << u"link"_s;
        QTest::newRow("a FIFO") << QByteArray() << 0 << u"fifo"_s;
    }

    void storage()
    {
        const auto [content, kept, check] = fetchRow<QByteArray, int, QString>({"content", "kept", "check"});
        QTemporaryDir folder;
        const QString path = folder.filePath(u"reminders.json"_s);
        const QString target = folder.filePath(u"elsewhere"_s);
        writeFile(target,
                  QJsonDocument(QJsonObject{{u"reminders"_s, QJsonArray{stored("x", "2026-03-07T09:00")}}}).toJson());
        if (check == u"link"_s)
            QVERIFY(QFile::link(target, path));
        else if (check == u"fifo"_s)
            QCOMPARE(::mkfifo(path.toUtf8().constData(), 0600), 0);
        else
            writeFile(path, content);
        JsonPreferences store(path);
        const QList<Reminder> read = Reminders::read(store);
        QCOMPARE(read.size(), kept);
        if (check.startsWith(u"lead "_s)) QCOMPARE(read.first().leadMinutes, check.mid(5).toInt());
        if (check == u"note 500"_s) QCOMPARE(read.first().note.size(), ReminderFile::longestNote);

        // The next write leaves a file of its own, whatever stood there.
        FakeNotifications notifications;
        Reminders::Environment environment{
            [] { return utc("2026-03-06T12:00:00Z"); }, [] { return QTimeZone("Europe/London"); },
            [](const Reminder&) { return QString(); }, [](const QDateTime&) { return QStringList(); }};
        Reminders reminders(store, std::make_unique<FakeAlarm>(), &notifications, environment);
        reminders.set(at("2026-03-08T10:00", "Asia/Tokyo"));
        QVERIFY(store.synchronize());
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).isSymLink(), check == u"link"_s); // the user's link stays one
        QCOMPARE(Reminders::read(*JsonPreferences::snapshot(path)).size(),
                 std::min(kept, ReminderFile::mostReminders - 1) + 1);
        QCOMPARE(Reminders::read(*JsonPreferences::snapshot(target)).size(), check == u"link"_s ? 2 : 1);
    }
};

QTEST_GUILESS_MAIN(TestReminders)
#include "TestReminders.moc"
