#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "calendar/DesktopFeed.h"
#include "calendar/DesktopService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Stand-ins for the helper: shell scripts that greet, then answer each
// "open" (or "list") the way the row says.
const QString greet = u"echo '{\"version\": 1}'\n"_s;
const QString onCommand = greet + u"while read -r line; do case \"$line\" in *%1*) %2 ;; esac; done\n"_s;
const QString events = u"echo '{\"uid\": \"%1\", \"ics\": \"BEGIN:VCALENDAR\\r\\nVERSION:2.0\\r\\nPRODID:-//t//EN\\r\\n"
                       "BEGIN:VEVENT\\r\\nUID:1\\r\\nSUMMARY:Standup\\r\\nDTSTART:20260115T130000Z\\r\\n"
                       "END:VEVENT\\r\\nEND:VCALENDAR\\r\\n\"}'"_s;

} // namespace

class TestDesktopService : public QObject {
    Q_OBJECT

private slots:
    // Whatever the helper says or does, the calendar shows its events or
    // says why not, and nothing it sends is taken beyond its bounds (the
    // real helper's events are the desktop calendars run's).
    void whatTheHelperSays_data()
    {
        addColumns<QString, QString, int>({"helper", "problem", "events"});
        QTest::newRow("another calendar's events")
            << onCommand.arg(u"open"_s,
                             events.arg(u"other"_s) +
                                 u"; echo '{\"uid\": \"team\", \"problem\": \"unread\", \"detail\": \"x\"}'"_s)
            << u"The calendar's events can't be read: x"_s << 0;
        QTest::newRow("gone") << onCommand.arg(u"open"_s, u"echo '{\"uid\": \"team\", \"problem\": \"gone\"}'"_s)
                              << u"The calendar isn't on this desktop any more."_s << 0;
        QTest::newRow("unreadable, in the service's words")
            << onCommand.arg(u"open"_s, u"echo '{\"uid\": \"team\", \"problem\": \"unread\", \"detail\": \"busy\"}'"_s)
            << u"The calendar's events can't be read: busy"_s << 0;
        QTest::newRow("not JSON, then its events")
            << onCommand.arg(u"open"_s, u"echo 'BEGIN:VCALENDAR'; echo '{]'; "_s + events.arg(u"team"_s)) << QString()
            << 1;
        QTest::newRow("a line longer than kept, then its events")
            << onCommand.arg(u"open"_s, u"head -c 40000000 /dev/zero | tr '\\\\0' x; echo; "_s + events.arg(u"team"_s))
            << QString() << 1;
        QTest::newRow("another version") << u"echo '{\"version\": 2}'; exec sleep 30"_s
                                         << u"The calendar can't be opened"_s << 0;
        QTest::newRow("ends at once, each time") << u"exit 3"_s << u"The calendar can't be opened"_s << 0;
        QTest::newRow("not there") << QString() << u"The calendar can't be opened"_s << 0;
    }

    void whatTheHelperSays()
    {
        const auto [helper, problem, expected] = fetchRow<QString, QString, int>({"helper", "problem", "events"});
        DesktopService service(program(helper));
        int changes = 0;
        DesktopFeed feed(service, {.kind = CalendarSource::Kind::desktop, .address = u"team"_s}, [&] { ++changes; });
        QTRY_VERIFY_WITH_TIMEOUT(changes > 0, 10000);
        QVERIFY2(feed.problem().startsWith(problem) && feed.problem().isEmpty() == problem.isEmpty(),
                 qPrintable(feed.problem()));
        const QDateTime day(QDate(2026, 1, 15), QTime(0, 0), Qt::UTC);
        QCOMPARE(feed.occurrences(day, day.addDays(1), QTimeZone::utc()).size(), expected);
    }

    // Listed while someone listens; the last listener and calendar gone, the helper goes.
    void listsWhileWantedOnly()
    {
        DesktopService service(program(onCommand.arg(
            u"list"_s, u"echo '{\"calendars\": [{\"uid\": \"a\", \"name\": \"Work\", \"colour\": \"#112233\"}]}'"_s)));
        auto listener = std::make_unique<QObject>();
        QList<CalendarSource> listed;
        service.watch(listener.get(), [&](const QList<CalendarSource>& calendars) { listed = calendars; });
        QTRY_COMPARE(listed.size(), 1);
        QCOMPARE(listed.first().address, u"a"_s);
        {
            DesktopFeed feed(service, {.kind = CalendarSource::Kind::desktop, .address = u"a"_s}, [] {});
            listener.reset();
            QTest::qWait(50);
            QVERIFY(service.isRunning());
        }
        QTRY_VERIFY(!service.isRunning());
    }

private:
    QString program(const QString& script)
    {
        const QString path = m_dir.filePath(u"helper-%1"_s.arg(++m_made));
        if (script.isNull()) return path;
        writeFile(path, ("#!/bin/bash\n" + script).toUtf8(), QFile::ReadOwner | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir m_dir;
    int m_made = 0;
};

QTEST_GUILESS_MAIN(TestDesktopService)
#include "TestDesktopService.moc"
