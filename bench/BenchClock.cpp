#include "ApplicationState.h"
#include "clock/ClockEntry.h"
#include "clock/ClockExport.h"
#include "clock/ClockFormatter.h"
#include "clock/SunTimes.h"
#include "settings/AppSettings.h"
#include "settings/JsonPreferences.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using ApplicationState::database;

// A redraw of a 20-row panel: the rows, then every text each row shows.
void entriesAndTextsFor20Rows(benchmark::State& state)
{
    const QTemporaryDir dir;
    JsonPreferences store(dir.filePath(QStringLiteral("settings.json")));
    AppSettings settings(store, database());
    QStringList tracked;
    for (const char* name : {"London", "Paris",   "Tokyo",     "Sydney",    "Auckland",  "Honolulu",   "Anchorage",
                             "Denver", "Chicago", "Toronto",   "São Paulo", "Reykjavík", "Cairo",      "Moscow",
                             "Dubai",  "Kolkata", "Kathmandu", "Singapore", "Seoul",     "Los Angeles"})
        tracked.append(database().search(QString::fromUtf8(name), 1).first().id);
    settings.set(SettingKey::trackedCityIDs, tracked);
    const QDateTime now = QDateTime::currentDateTimeUtc();

    for (auto _ : state) {
        const ClockFormatter formatter(settings.value<TimeFormat>(SettingKey::timeFormat),
                                       settings.value<DateFormat>(SettingKey::dateFormat));
        const QList<ClockEntry> entries = ClockEntry::entries(settings, now, formatter.homeTimeZone(), database());
        for (const ClockEntry& entry : entries) {
            benchmark::DoNotOptimize(formatter.timeText(now, entry.timeZone));
            benchmark::DoNotOptimize(formatter.zoneName(entry.timeZone, now));
            const int offset = formatter.dayOffset(now, entry.timeZone);
            if (offset != 0) benchmark::DoNotOptimize(formatter.dayLabel(offset, now, entry.timeZone));
        }
    }
}
BENCHMARK(entriesAndTextsFor20Rows)->Unit(benchmark::kMicrosecond);

// The tray tooltip's share of a tick with twenty cities: every line's text.
void tooltipFor20Cities(benchmark::State& state)
{
    const QTemporaryDir dir;
    JsonPreferences store(dir.filePath(QStringLiteral("settings.json")));
    AppSettings settings(store, database());
    QStringList tracked;
    for (qsizetype i = 1; i < database().size() && tracked.size() < 20; ++i)
        if (const City city = database().city(i); city.id.endsWith(QLatin1Char('3'))) tracked.append(city.id);
    settings.set(SettingKey::trackedCityIDs, tracked);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const ClockFormatter formatter(settings.value<TimeFormat>(SettingKey::timeFormat),
                                   settings.value<DateFormat>(SettingKey::dateFormat));
    const QList<ClockEntry> entries = ClockEntry::entries(settings, now, formatter.homeTimeZone(), database());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ClockExport::lines(ClockExport::rowsAt(entries,
                                                   ClockFormatter(settings.value<TimeFormat>(SettingKey::timeFormat),
                                                                  settings.value<DateFormat>(SettingKey::dateFormat)),
                                                   now)));
}
BENCHMARK(tooltipFor20Cities)->Unit(benchmark::kMicrosecond);

// Sunrise and sunset for 200 result rows.
void sunTimesFor200Cities(benchmark::State& state)
{
    const QList<City> cities = database().search(QStringLiteral("a"), 200);
    const QDate today = QDate::currentDate();
    for (auto _ : state)
        for (const City& city : cities)
            benchmark::DoNotOptimize(SunTimes::on(today, city.latitude, city.longitude, city.timeZone));
}
BENCHMARK(sunTimesFor200Cities)->Unit(benchmark::kMicrosecond);

void timeText(benchmark::State& state)
{
    const ClockFormatter formatter(TimeFormat::system, DateFormat::relative);
    const QTimeZone zone("Europe/Paris");
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.timeText(now, zone));
}
BENCHMARK(timeText)->Unit(benchmark::kMicrosecond);

} // namespace
