#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "time/TimeGrid.h"
#include "time/UtcOffset.h"
#include "time/WallTime.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Move = TimeGrid::Move;
Q_DECLARE_METATYPE(TimeGrid::Move)

class TestTime : public QObject {
    Q_OBJECT

private slots:
    // Each move lands on the step grid of home's wall-clock time, and steps
    // keep their length across a repeated or skipped hour.
    void moves_data()
    {
        // expected: UTC, one per repeated move
        addColumns<QByteArray, QDateTime, bool, Move, int, QStringList>(
            {"home", "start", "live", "move", "step", "expected"});

        const auto row = [](const char* name, const char* home, const char* start, bool live, Move move, int step,
                            const QStringList& expected) {
            QTest::newRow(name) << QByteArray(home) << instant(start) << live << move << step << expected;
        };
        row("from now, forward to the next multiple", "UTC", "2026-01-15T15:23:40Z", true, Move::stepForward, 30,
            {"2026-01-15T15:30:00Z"});
        row("from now, back to the last multiple", "UTC", "2026-01-15T15:23:40Z", true, Move::stepBack, 15,
            {"2026-01-15T15:15:00Z"});
        row("from now on a multiple, strictly onward", "UTC", "2026-01-15T15:30:00.050Z", true, Move::stepBack, 30,
            {"2026-01-15T15:00:00Z"});
        row("Berlin falls back: 2:30 CEST, 2:00 CET, 2:30 CET, 3:00", "Europe/Berlin", "2026-10-25T00:00:00Z", false,
            Move::stepForward, 30,
            {"2026-10-25T00:30:00Z", "2026-10-25T01:00:00Z", "2026-10-25T01:30:00Z", "2026-10-25T02:00:00Z"});
        row("Berlin springs forward over 2:00-3:00", "Europe/Berlin", "2026-03-29T00:30:00Z", false, Move::stepForward,
            30, {"2026-03-29T01:00:00Z", "2026-03-29T01:30:00Z"});
        row("Lord Howe's half hour: hourly steps go on to the grid", "Australia/Lord_Howe", "2026-10-03T14:30:00Z",
            false, Move::stepForward, 60, {"2026-10-03T16:00:00Z", "2026-10-03T17:00:00Z"});
        row("Nepal +5:45: the grid is home's", "Asia/Kathmandu", "2026-01-15T12:00:00Z", true, Move::stepForward, 30,
            {"2026-01-15T12:15:00Z", "2026-01-15T12:45:00Z"});
        row("Chatham: a day keeps 12:00 across +12:45 to +13:45", "Pacific/Chatham", "2026-09-25T23:15:00Z", false,
            Move::dayForward, 30, {"2026-09-26T22:15:00Z", "2026-09-27T22:15:00Z"});
    }

    void moves()
    {
        auto [home, start, live, move, step, expected] = fetchRow<QByteArray, QDateTime, bool, Move, int, QStringList>(
            {"home", "start", "live", "move", "step", "expected"});
        const QTimeZone homeZone(home);
        QDateTime at = start;
        QStringList seen;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            at = TimeGrid::moved(at, live && i == 0, move, step, homeZone);
            seen.append(at.toUTC().toString(Qt::ISODate));
            QVERIFY(TimeGrid::isAligned(at, step, homeZone));
        }
        QCOMPARE(seen, expected);
    }

    // A wall-clock time names no instant in a spring gap, two in an autumn
    // overlap; the first at or after it is the jump itself in a gap.
    void wallTimes_data()
    {
        // expected: the instants in UTC; first: firstAtOrAfter
        addColumns<QByteArray, QDate, QTime, QStringList, QString>({"zone", "date", "time", "expected", "first"});
        const auto row = [](const char* name, const char* zone, QDate date, QTime time, const QStringList& expected,
                            const char* first) {
            QTest::newRow(name) << QByteArray(zone) << date << time << expected << QString::fromLatin1(first);
        };
        row("an ordinary time", "Europe/Berlin", {2026, 1, 15}, {9, 0}, {"2026-01-15T08:00:00Z"},
            "2026-01-15T08:00:00Z");
        row("skipped in spring", "Europe/Berlin", {2026, 3, 29}, {2, 30}, {}, "2026-03-29T01:00:00Z");
        row("repeated in autumn", "Europe/Berlin", {2026, 10, 25}, {2, 30},
            {"2026-10-25T00:30:00Z", "2026-10-25T01:30:00Z"}, "2026-10-25T00:30:00Z");
        row("Samoa skipped a whole day", "Pacific/Apia", {2011, 12, 30}, {12, 0}, {}, "2011-12-30T10:00:00Z");
        row("Lord Howe repeats half an hour", "Australia/Lord_Howe", {2026, 4, 5}, {1, 45},
            {"2026-04-04T14:45:00Z", "2026-04-04T15:15:00Z"}, "2026-04-04T14:45:00Z");
    }
    void wallTimes()
    {
        auto [zoneId, date, time, expected, first] =
            fetchRow<QByteArray, QDate, QTime, QStringList, QString>({"zone", "date", "time", "expected", "first"});
        QStringList found;
        for (const QDateTime& at : WallTime::instants(date, time, zone(zoneId.constData())))
            found.append(at.toUTC().toString(Qt::ISODate));
        QCOMPARE(found, expected);
        QCOMPARE(WallTime::firstAtOrAfter(date, time, zone(zoneId.constData())).toUTC().toString(Qt::ISODate), first);
    }

    // Turns of a wheel, one after another: a notch towards the user is a
    // step later; what is left of a notch waits for the next turn.
    void wheelSteps_data()
    {
        addColumns<QList<int>, QList<int>>({"turns", "steps"});
        QTest::newRow("a notch towards, a notch away") << QList<int>{-120, 120} << QList<int>{1, -1};
        QTest::newRow("two notches at once") << QList<int>{-240} << QList<int>{2};
        QTest::newRow("a touchpad's small turns add up") << QList<int>{-50, -50, -50, -50} << QList<int>{0, 0, 1, 0};
        QTest::newRow("a turn back cancels the rest") << QList<int>{-100, 100, -100} << QList<int>{0, 0, 0};
    }
    void wheelSteps()
    {
        auto [turns, expected] = fetchRow<QList<int>, QList<int>>({"turns", "steps"});
        int rest = 0;
        QList<int> steps;
        for (const int turn : turns)
            steps.append(TimeGrid::wheelSteps(rest, turn));
        QCOMPARE(steps, expected);
    }

    void utcOffsets_data()
    {
        // expected: the offset's name, or "none"
        addColumns<QString, QString>({"text", "expected"});
        for (const auto& [text, expected] : {std::pair{"UTC+5:30", "UTC+05:30"},
                                             {"GMT-3", "UTC\u221203:00"},
                                             {"+0545", "UTC+05:45"},
                                             {"\u22123:30", "UTC\u221203:30"},
                                             {"UTC+14", "UTC+14:00"},
                                             {"UTC+15", "none"},
                                             {"UTC-13", "none"},
                                             {"UTC", "none"},
                                             {"UTC+5:75", "none"},
                                             {"Tokyo", "none"},
                                             {"UTC+0", "UTC"}})
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(expected);
    }
    void utcOffsets()
    {
        auto [text, expected] = fetchRow<QString, QString>({"text", "expected"});
        const std::optional<int> seconds = UtcOffset::parse(text);
        QCOMPARE(seconds ? UtcOffset::name(*seconds) : u"none"_s, expected);
    }
};

QTEST_GUILESS_MAIN(TestTime)
#include "TestTime.moc"
