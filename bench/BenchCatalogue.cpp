#include "ApplicationState.h"

#include <benchmark/benchmark.h>

namespace {

const QString catalogue = QStringLiteral(HORAVIA_SOURCE_DIR "/resources/cities.json");

using ApplicationState::database;

void buildDatabase(benchmark::State& state)
{
    for (auto _ : state) {
        CityDatabase loaded(catalogue, icu::Locale("en_US"));
        benchmark::DoNotOptimize(loaded.cities().size());
    }
}
BENCHMARK(buildDatabase)->Unit(benchmark::kMillisecond);

void search(benchmark::State& state, const char* query)
{
    const CityDatabase& db = database();
    const QString text = QString::fromUtf8(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(db.search(text, 200));
}
BENCHMARK_CAPTURE(search, a, "a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, par, "par")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, new_york, "new york")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, zurich, "zürich")->Unit(benchmark::kMicrosecond);
// Zones named by identifier, offset and abbreviation.
BENCHMARK_CAPTURE(search, identifier, "Asia/Kolkata")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, last_part, "Kolkata")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, offset, "UTC+5:30")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, offset_compact, "+0545")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, abbreviation, "IST")->Unit(benchmark::kMicrosecond);

void nearestForChooser(benchmark::State& state)
{
    const CityDatabase& db = database();
    for (auto _ : state)
        benchmark::DoNotOptimize(db.nearestCities(48.85, 2.35, 1500, 12, 60));
}
BENCHMARK(nearestForChooser)->Unit(benchmark::kMicrosecond);

void nearestForMap(benchmark::State& state)
{
    const CityDatabase& db = database();
    for (auto _ : state)
        benchmark::DoNotOptimize(db.nearestCities(-30, -140, 700, 1, 1));
}
BENCHMARK(nearestForMap)->Unit(benchmark::kMicrosecond);

} // namespace
