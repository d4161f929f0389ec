#include "../support/DataTable.h"
#include "../support/ManualTimer.h"
#include "../support/TestValues.h"
#include "clock/Clock.h"
#include "clock/ClockExport.h"
#include "clock/ClockFormatter.h"
#include "clock/DisplayedTime.h"
#include "planning/ClockChange.h"
#include "planning/Overlap.h"
#include "services/CalendarInvite.h"
#include "text/LocaleText.h"

#include <QTest>

#include <libical/ical.h>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(DayPart)

namespace {

const ClockEntry tokyoEntry = [] {
    ClockEntry made;
    made.id = u"gn1850147"_s;
    made.title = u"Tokyo"_s;
    made.timeZone = zone("Asia/Tokyo");
    return made;
}();

const TimeRange nineToFive{QTime(9, 0), QTime(17, 0)};
const TimeRange awake{QTime(7, 0), QTime(22, 0)};

Overlap::Participant person(const char* name, const char* zoneId, const char* region,
                            const TimeRange& hours = nineToFive)
{
    return {QString::fromUtf8(name), zone(zoneId), {hours, awake, WorkWeek::forRegion(QString::fromLatin1(region))}};
}

} // namespace

class TestPlanning : public QObject {
    Q_OBJECT

private slots:
    void rangeAndLive()
    {
        QDateTime wall = instant("2026-01-15T12:07:00Z");
        Clock clock(
            wall, [&] { return wall; }, std::make_unique<ManualTimer>());
        DisplayedTime time(
            clock, [] { return 30; }, [] { return QTimeZone::utc(); });
        time.setInstant(wall.addDays(9));
        QCOMPARE(time.instant(), instant("2026-01-22T12:00:00Z")); // the last multiple inside a week
        // What views draw ahead: a step either way, but none past the range.
        QCOMPARE(time.likelyNext(), QList<QDateTime>{instant("2026-01-22T11:30:00Z")});
        time.setInstant(wall.addDays(-9));
        QCOMPARE(time.instant(), instant("2026-01-08T12:30:00Z"));
        QCOMPARE(time.likelyNext(), QList<QDateTime>{instant("2026-01-08T13:00:00Z")});
        QVERIFY(!time.isLive());
        time.goLive();
        QCOMPARE(time.instant(), wall);
        QVERIFY(time.likelyNext().isEmpty()); // live, nothing is drawn ahead
    }

    void workWeeks_data()
    {
        // workdays: Monday first
        addColumns<QString, QString>({"region", "workdays"});
        for (const auto& [name, region, workdays] : {std::tuple{"Germany", "DE", "MTWTF.."},
                                                     {"Saudi Arabia", "SA", "MTWT..S"},
                                                     {"Iran: Friday", "IR", "MTWT.SS"},
                                                     {"Afghanistan: Thursday and Friday", "AF", "MTW..SS"},
                                                     {"unknown", "", "MTWTF.."}})
            QTest::newRow(name) << QString::fromLatin1(region) << QString::fromLatin1(workdays);
    }

    void workWeeks()
    {
        auto [region, workdays] = fetchRow<QString, QString>({"region", "workdays"});
        const WorkWeek week = WorkWeek::forRegion(region);
        QString seen;
        for (int day = 1; day <= 7; ++day)
            seen += week.isWorkday(day) ? workdays.at(day - 1) : QLatin1Char('.');
        QCOMPARE(seen, workdays);
    }

    void dayParts_data()
    {
        addColumns<QString, QByteArray, QString, QDateTime, DayPart>({"hours", "zone", "region", "at", "expected"});
        const auto row = [](const char* name, const char* hours, const char* zoneId, const char* region, const char* at,
                            DayPart part) {
            QTest::newRow(name) << QString::fromLatin1(hours) << QByteArray(zoneId) << QString::fromLatin1(region)
                                << instant(at) << part;
        };
        // 2026-01-16 is a Friday.
        row("Berlin, Friday 10:00", "09:00-17:00", "Europe/Berlin", "DE", "2026-01-16T09:00:00Z", DayPart::working);
        row("Berlin, 17:00 ends the day", "09:00-17:00", "Europe/Berlin", "DE", "2026-01-16T16:00:00Z", DayPart::awake);
        row("Riyadh, Friday 10:00", "09:00-17:00", "Asia/Riyadh", "SA", "2026-01-16T07:00:00Z", DayPart::awake);
        row("Riyadh, Sunday 10:00", "09:00-17:00", "Asia/Riyadh", "SA", "2026-01-18T07:00:00Z", DayPart::working);
        row("night shift, Friday 23:00", "22:00-06:00", "UTC", "DE", "2026-01-16T23:00:00Z", DayPart::working);
        row("night shift, Saturday 03:00 ends Friday's", "22:00-06:00", "UTC", "DE", "2026-01-17T03:00:00Z",
            DayPart::working);
        row("night shift, Sunday 03:00: none began Saturday", "22:00-06:00", "UTC", "DE", "2026-01-18T03:00:00Z",
            DayPart::night);
    }

    void dayParts()
    {
        auto [hours, zone, region, at, expected] =
            fetchRow<QString, QByteArray, QString, QDateTime, DayPart>({"hours", "zone", "region", "at", "expected"});
        const std::optional<TimeRange> range = TimeRange::parse(hours);
        QVERIFY(range);
        QCOMPARE(range->toString(), hours);
        const Schedule schedule{*range, awake, WorkWeek::forRegion(region)};
        QCOMPARE(schedule.partAt(at, QTimeZone(zone)), expected);
    }

    // Stored hours read as Qt's "HH:mm" format reads them, and nothing more.
    void hoursReadAsQtReadsThem_data()
    {
        QTest::addColumn<QString>("time");
        for (const char* time : {"09:00", "23:59", "00:00", "9:00", "09:0", "0900", "09:00:00", "24:00", "23:60",
                                 "09.00", "+9:00", "09: 00", "\u0660\u0669:\u0660\u0660", "\uff10\uff19:00"})
            QTest::newRow(time) << QString::fromUtf8(time);
    }
    void hoursReadAsQtReadsThem()
    {
        QFETCH(QString, time);
        const QTime qts = QTime::fromString(time, u"HH:mm"_s);
        const std::optional<TimeRange> range = TimeRange::parse(u" %1 - 17:00"_s.arg(time));
        QCOMPARE(range.has_value(), qts.isValid());
        if (range) QCOMPARE(range->from, qts);
        QCOMPARE(TimeRange::parse(u"09:00-17:00-"_s), std::nullopt);
    }

    void overlaps_data()
    {
        // outside, when empty: everyone works then
        addColumns<QList<Overlap::Participant>, QDateTime, QDateTime, QStringList>(
            {"people", "after", "expected", "outside"});

        const auto london = person("London", "Europe/London", "GB");
        const auto newYork = person("New York", "America/New_York", "US");
        const auto tokyo = person("Tokyo", "Asia/Tokyo", "JP");
        // Thursday 2026-01-15, 12:00 UTC.
        QTest::newRow("London and New York: 14:00 UTC") << QList{london, newYork} << instant("2026-01-15T12:00:00Z")
                                                        << instant("2026-01-15T14:00:00Z") << QStringList();
        QTest::newRow("over the weekend to Monday") << QList{london, newYork} << instant("2026-01-16T18:00:00Z")
                                                    << instant("2026-01-19T14:00:00Z") << QStringList();
        QTest::newRow("with Tokyo no full overlap: the best leaves Tokyo out")
            << QList{london, newYork, tokyo} << instant("2026-01-15T12:00:00Z") << instant("2026-01-15T14:00:00Z")
            << QStringList{"Tokyo"};
        QTest::newRow("Riyadh and Berlin share Monday to Thursday")
            << QList{person("Riyadh", "Asia/Riyadh", "SA"), person("Berlin", "Europe/Berlin", "DE")}
            << instant("2026-01-15T15:00:00Z") << instant("2026-01-19T08:00:00Z") << QStringList();
        QTest::newRow("Nepal's quarter hour goes to home's half-hour grid")
            << QList{person("Kathmandu", "Asia/Kathmandu", "NP"), london} << instant("2026-01-15T00:00:00Z")
            << instant("2026-01-15T09:00:00Z") << QStringList();
        // Cairo's clocks skip 00:00-01:00 that night: its span ends at 22:00 UTC,
        // just as London's begins, so the two never meet.
        QTest::newRow("a span ending in a skipped hour ends at the jump")
            << QList{person("Cairo", "Africa/Cairo", "EG", {QTime(16, 0), QTime(0, 30)}),
                     person("London", "Europe/London", "GB", {QTime(23, 0), QTime(23, 30)})}
            << instant("2026-04-23T12:00:00Z") << instant("2026-04-23T14:00:00Z") << QStringList{"London"};
        QTest::newRow("a night shift meets a day in Tokyo")
            << QList{person("Night", "UTC", "GB", {QTime(22, 0), QTime(6, 0)}), tokyo}
            << instant("2026-01-15T06:00:00Z") << instant("2026-01-16T00:00:00Z") << QStringList();
    }

    void overlaps()
    {
        auto [people, after, expected, outside] =
            fetchRow<QList<Overlap::Participant>, QDateTime, QDateTime, QStringList>(
                {"people", "after", "expected", "outside"});
        const auto found = Overlap::next(people, after, after.addDays(7), 30, QTimeZone("UTC"));
        QVERIFY(found);
        QCOMPARE(found->start, expected);
        QCOMPARE(found->isFull, outside.isEmpty());
        QCOMPARE(found->outside, outside);
        // What was found is what the rows say then.
        for (const Overlap::Participant& who : people)
            QCOMPARE(who.schedule.isWorking(found->start, who.zone), !outside.contains(who.name));
    }

    // The strip's spans say "at work" exactly when the rows' rule does, every
    // quarter hour of a week around a clock change, for day and night shifts.
    void spansFollowTheRule_data()
    {
        addColumns<Overlap::Participant, QDateTime>({"who", "from"});
        const struct {
            const char* zone;
            const char* region;
            const char* from; // a few days before a change of the clocks
        } zones[] = {
            {"America/New_York", "US", "2026-03-05T00:00:00Z"},    // an hour forward at 02:00
            {"Europe/London", "GB", "2026-10-22T00:00:00Z"},       // an hour back at 02:00
            {"Australia/Lord_Howe", "AU", "2026-04-01T00:00:00Z"}, // half an hour back
            {"America/Havana", "CU", "2026-03-05T00:00:00Z"},      // an hour forward at midnight
            {"America/Santiago", "CL", "2026-04-01T00:00:00Z"},    // an hour back at midnight
        };
        const TimeRange hours[] = {nineToFive, {QTime(22, 0), QTime(6, 0)}, {QTime(0, 30), QTime(8, 0)}};
        for (const auto& z : zones)
            for (const TimeRange& range : hours)
                QTest::addRow("%s %s", z.zone, qPrintable(range.toString()))
                    << person(z.zone, z.zone, z.region, range) << instant(z.from);
    }

    void spansFollowTheRule()
    {
        auto [who, from] = fetchRow<Overlap::Participant, QDateTime>({"who", "from"});
        const qint64 start = from.toSecsSinceEpoch();
        const qint64 end = start + 7 * 86400;
        const QList<Overlap::Span> spans = Overlap::workingSpans(who, start, end);
        for (qint64 t = start; t < end; t += 15 * 60) {
            const bool inSpan = std::any_of(spans.cbegin(), spans.cend(),
                                            [t](const Overlap::Span& s) { return s.from <= t && t < s.to; });
            const QDateTime at = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
            if (inSpan != who.schedule.isWorking(at, who.zone))
                QFAIL(qPrintable(u"%1 (%2 there): the spans say %3"_s.arg(at.toString(Qt::ISODate),
                                                                          at.toTimeZone(who.zone).toString(Qt::ISODate),
                                                                          inSpan ? u"at work"_s : u"not"_s)));
        }
    }

    void offsets_data()
    {
        addColumns<QByteArray, QByteArray, QDateTime, QString>({"home", "zone", "at", "expected"});
        const auto row = [](const char* name, const char* home, const char* zone, const char* at, const char* text) {
            QTest::newRow(name) << QByteArray(home) << QByteArray(zone) << instant(at) << QString::fromUtf8(text);
        };
        const char* january = "2026-01-15T12:00:00Z";
        row("Tokyo from Berlin", "Europe/Berlin", "Asia/Tokyo", january, "+8h");
        row("St. John's from UTC", "UTC", "America/St_Johns", january, "-3h 30m");
        row("Nepal", "UTC", "Asia/Kathmandu", january, "+5h 45m");
        row("Chatham in its summer", "UTC", "Pacific/Chatham", january, "+13h 45m");
        row("across the date line", "Pacific/Kiritimati", "Pacific/Pago_Pago", january, "-25h");
        row("none", "Europe/Paris", "Europe/Berlin", january, "");
    }

    void offsets()
    {
        auto [home, zone, at, expected] =
            fetchRow<QByteArray, QByteArray, QDateTime, QString>({"home", "zone", "at", "expected"});
        const ClockFormatter formatter(TimeFormat::twelveHour, DateFormat::relative, QTimeZone(home),
                                       icu::Locale("en_US"));
        QCOMPARE(LocaleText::offset(formatter.offsetFromHome(at, QTimeZone(zone)), icu::Locale("en_US")), expected);
    }

    // From the system tz database, and only changes that move the clocks.
    void notices_data()
    {
        addColumns<QByteArray, QDateTime, QString>({"zone", "at", "expected"});
        const auto row = [](const char* name, const char* zone, const char* at, const char* text) {
            QTest::newRow(name) << QByteArray(zone) << instant(at) << QString::fromLatin1(text);
        };
        row("Berlin falls back", "Europe/Berlin", "2026-10-20T12:00:00Z", "Clocks go back 1 hour on Sun, Oct 25");
        row("more than a week ahead", "Europe/Berlin", "2026-10-17T12:00:00Z", "");
        // Asked again later, as each tick does: never the change that has passed.
        row("Berlin, the day after", "Europe/Berlin", "2026-10-26T12:00:00Z", "");
        row("Berlin springs forward", "Europe/Berlin", "2027-03-22T12:00:00Z",
            "Clocks go forward 1 hour on Sun, Mar 28");
        row("Lord Howe: half an hour", "Australia/Lord_Howe", "2026-10-01T00:00:00Z",
            "Clocks go forward 30 minutes on Sun, Oct 4");
        row("no changes in Tokyo", "Asia/Tokyo", "2026-03-05T12:00:00Z", "");
    }

    void notices()
    {
        auto [zone, at, expected] = fetchRow<QByteArray, QDateTime, QString>({"zone", "at", "expected"});
        const ClockFormatter formatter(TimeFormat::twelveHour, DateFormat::relative, QTimeZone("UTC"),
                                       icu::Locale("en_US"));
        QCOMPARE(formatter.offsetChangeNotice(at, QTimeZone(zone)), expected);
    }

    void chosenInstant_data()
    {
        addColumns<QDateTime, QString>({"at", "expected"});
        const auto row = [](const char* name, const char* at, const char* text) {
            QTest::newRow(name) << instant(at) << QString::fromUtf8(text).replace(u'_', u'\u202F');
        };
        row("two days ahead", "2026-12-09T14:00:00Z", "Wed, Dec 9, 3:00_PM · in 2 days");
        row("the first 2:30 of the night", "2026-10-25T00:30:00Z", "Sun, Oct 25, 2:30_AM CEST · 44 days ago");
        row("the second", "2026-10-25T01:30:00Z", "Sun, Oct 25, 2:30_AM CET · 43 days ago");
    }

    void chosenInstant()
    {
        auto [at, expected] = fetchRow<QDateTime, QString>({"at", "expected"});
        const ClockFormatter formatter(TimeFormat::twelveHour, DateFormat::relative, QTimeZone("Europe/Berlin"),
                                       icu::Locale("en_US"));
        QCOMPARE(formatter.chosenInstantText(at, instant("2026-12-07T13:00:00Z")), expected);
    }

    // --at: an offset or Z as given; a wall-clock time in home's zone (a
    // skipped time is an error, a repeated one its first occurrence).
    void instants_data()
    {
        // expected: UTC, or "error"
        addColumns<QString, QByteArray, QString>({"text", "home", "expected"});
        for (const auto& [name, text, home, expected] :
             {std::tuple{"Z", "2026-03-29T15:00Z", "Europe/Berlin", "2026-03-29T15:00:00Z"},
              {"an offset", "2026-03-29T15:00+05:30", "Europe/Berlin", "2026-03-29T09:30:00Z"},
              {"home's wall clock", "2026-03-29T15:00", "Europe/Berlin", "2026-03-29T13:00:00Z"},
              {"skipped by the clocks", "2026-03-29T02:30", "Europe/Berlin", "error"},
              {"repeated: the first", "2026-10-25T02:30", "Europe/Berlin", "2026-10-25T00:30:00Z"},
              {"repeated west of UTC: the first", "2026-11-01T01:30", "America/New_York", "2026-11-01T05:30:00Z"},
              {"the second by its offset", "2026-11-01T01:30-05:00", "America/New_York", "2026-11-01T06:30:00Z"},
              {"a date alone", "2026-03-29", "Europe/Berlin", "error"}})
            QTest::newRow(name) << QString::fromLatin1(text) << QByteArray(home) << QString::fromLatin1(expected);
    }

    void instants()
    {
        auto [text, home, expected] = fetchRow<QString, QByteArray, QString>({"text", "home", "expected"});
        const ClockExport::Instant parsed = ClockExport::parseInstant(text, QTimeZone(home));
        QCOMPARE(parsed.at.isValid() ? parsed.at.toString(Qt::ISODate) : u"error"_s, expected);
        QCOMPARE(parsed.error.isEmpty(), parsed.at.isValid());
    }

    // The invite parses back (with libical) to its instant, length and times.
    void calendarInvite()
    {
        const ClockFormatter formatter(TimeFormat::twelveHour, DateFormat::relative, QTimeZone("UTC"),
                                       icu::Locale("en_US"));
        const QDateTime at = instant("2026-12-09T14:00:00Z");
        const QByteArray file =
            CalendarInvite::make(ClockExport::lines(ClockExport::rowsAt({tokyoEntry}, formatter, at)).join(u'\n'), at,
                                 instant("2026-12-07T10:00:00Z"));
        const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
            icalparser_parse_string(file.constData()), icalcomponent_free);
        QVERIFY(calendar);
        icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
        QVERIFY(event);
        QCOMPARE(qint64(icaltime_as_timet(icalcomponent_get_dtstart(event))), at.toSecsSinceEpoch());
        QCOMPARE(qint64(icaltime_as_timet(icalcomponent_get_dtend(event))), at.addSecs(30 * 60).toSecsSinceEpoch());
        QVERIFY(icaltime_is_utc(icalcomponent_get_dtstart(event)));
        QCOMPARE(QString::fromUtf8(icalcomponent_get_description(event)), u"Tokyo 11:00\u202FPM"_s);
        QVERIFY(file.contains("DTSTART:20261209T140000Z"));
    }
};

QTEST_GUILESS_MAIN(TestPlanning)
#include "TestPlanning.moc"
