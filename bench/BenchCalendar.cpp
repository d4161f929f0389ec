#include "agenda/Agenda.h"
#include "agenda/AgendaText.h"
#include "calendar/IcsCalendar.h"
#include "clock/ClockFormatter.h"

#include <benchmark/benchmark.h>
#include <unicode/locid.h>

namespace {

// A working calendar of 2,000 events: 1,900 single ones over a year and 100
// series (weekly with exclusions and a moved occurrence, monthly by
// weekday), in six zones.
QByteArray busyCalendar()
{
    const char* zones[] = {"Europe/Berlin",    "America/New_York",  "Asia/Tokyo",
                           "Australia/Sydney", "America/Sao_Paulo", "Asia/Kolkata"};
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n";
    const QDate first(2026, 1, 1);
    for (int i = 0; i < 1900; ++i) {
        const QDate day = first.addDays(i * 365 / 1900);
        text += QStringLiteral("BEGIN:VEVENT\r\nUID:single-%1\r\nSUMMARY:Meeting %1\r\nDTSTART;TZID=%2:%3T%4\r\n"
                               "DURATION:PT30M\r\nEND:VEVENT\r\n")
                    .arg(i)
                    .arg(QString::fromLatin1(zones[i % 6]), day.toString(QStringLiteral("yyyyMMdd")),
                         QStringLiteral("%1%2")
                             .arg(8 + i % 10, 2, 10, QLatin1Char('0'))
                             .arg(QLatin1String(i % 2 ? "3000" : "0000")))
                    .toUtf8();
    }
    for (int i = 0; i < 100; ++i) {
        const QString zone = QString::fromLatin1(zones[i % 6]);
        if (i % 2 == 0) {
            text +=
                QStringLiteral("BEGIN:VEVENT\r\nUID:weekly-%1\r\nSUMMARY:Weekly %1\r\nDTSTART;TZID=%2:20250106T%3\r\n"
                               "DURATION:PT1H\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE\r\n"
                               "EXDATE;TZID=%2:20260107T%3\r\nEXDATE;TZID=%2:20260209T%3\r\nEND:VEVENT\r\n"
                               "BEGIN:VEVENT\r\nUID:weekly-%1\r\nSUMMARY:Weekly %1 (moved)\r\n"
                               "RECURRENCE-ID;TZID=%2:20260112T%3\r\nDTSTART;TZID=%2:20260113T%3\r\n"
                               "DURATION:PT1H\r\nEND:VEVENT\r\n")
                    .arg(i)
                    .arg(zone,
                         QStringLiteral("%1%2").arg(9 + i % 8, 2, 10, QLatin1Char('0')).arg(QLatin1String("0000")))
                    .toUtf8();
        } else {
            text += QStringLiteral(
                        "BEGIN:VEVENT\r\nUID:monthly-%1\r\nSUMMARY:Monthly %1\r\nDTSTART;TZID=%2:20250114T150000\r\n"
                        "DURATION:PT45M\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\nEND:VEVENT\r\n")
                        .arg(i)
                        .arg(zone)
                        .toUtf8();
        }
    }
    return text + "END:VCALENDAR\r\n";
}

const IcsCalendar& calendar()
{
    static const IcsCalendar read = *IcsCalendar::read(busyCalendar());
    return read;
}

// Reading the file, once per change of it.
void readBusyCalendar(benchmark::State& state)
{
    const QByteArray text = busyCalendar();
    for (auto _ : state)
        benchmark::DoNotOptimize(IcsCalendar::read(text));
}
BENCHMARK(readBusyCalendar)->Unit(benchmark::kMillisecond);

// The week either side of now, as the agenda asks at each change and each new day.
void expandBusyCalendarOver15Days(benchmark::State& state)
{
    const QTimeZone home("Europe/London");
    const QDateTime from(QDate(2026, 3, 20), QTime(0, 0), home);
    const QDateTime to = from.addDays(17);
    int found = 0;
    for (auto _ : state) {
        const QList<Occurrence> occurrences = calendar().expand(from, to, home);
        found = int(occurrences.size());
        benchmark::DoNotOptimize(occurrences);
    }
    state.counters["occurrences"] = found;
}
BENCHMARK(expandBusyCalendarOver15Days)->Unit(benchmark::kMillisecond);

// What a tick adds to the panel with a calendar on: the next event and its words.
void nextEventAtATick(benchmark::State& state)
{
    const QTimeZone home("Europe/London");
    const QDateTime from(QDate(2026, 3, 20), QTime(0, 0), home);
    Agenda agenda;
    agenda.setOccurrences(QStringLiteral("work"), calendar().expand(from, from.addDays(17), home));
    const ClockFormatter formatter(TimeFormat::system, DateFormat::relative, home, icu::Locale("en_US"));
    QDateTime now = from.addDays(8);
    for (auto _ : state) {
        now = now.addSecs(60);
        const std::optional<Occurrence> next = agenda.next(now);
        benchmark::DoNotOptimize(AgendaText::start(*next, formatter, now));
        benchmark::DoNotOptimize(AgendaText::distance(*next, now));
        benchmark::DoNotOptimize(agenda.restOfDay(now, home));
    }
}
BENCHMARK(nextEventAtATick)->Unit(benchmark::kMicrosecond);

} // namespace
