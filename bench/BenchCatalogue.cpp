#include "ApplicationState.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/CatalogueIndex.h"
#include "clock/TimeAnswer.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

const QString catalogue = QStringLiteral(HORAVIA_SOURCE_DIR "/resources/cities.json");

using ApplicationState::database;

const QString bundled = QStringLiteral(HORAVIA_BUNDLE_DIR "/Contents/Resources/cities.json");

// The start's share: mapping and checking the prebuilt index.
void loadIndex(benchmark::State& state)
{
    for (auto _ : state) {
        const CityDatabase loaded(bundled, icu::Locale("en_US"));
        if (loaded.origin() != CityDatabase::Origin::index) state.SkipWithError("the index was not used");
        benchmark::DoNotOptimize(loaded.size());
    }
}
BENCHMARK(loadIndex)->Unit(benchmark::kMillisecond);

// The first keystroke after a start, zone names not yet looked up.
void firstSearch(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto loaded = std::make_unique<CityDatabase>(bundled, icu::Locale("en_US"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(loaded->search(QStringLiteral("a"), 200));
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(firstSearch)->Unit(benchmark::kMillisecond);

// Without an index: the catalogue file parsed and folded.
void buildDatabase(benchmark::State& state)
{
    for (auto _ : state) {
        CityDatabase loaded(catalogue, icu::Locale("en_US"));
        benchmark::DoNotOptimize(loaded.size());
    }
}
BENCHMARK(buildDatabase)->Unit(benchmark::kMillisecond);

void search(benchmark::State& state, const char* query)
{
    const CityDatabase& db = database();
    const QString text = QString::fromUtf8(query);
    qsizetype results = 0;
    for (auto _ : state) {
        const QList<City> found = db.search(text, 200);
        results = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["results"] = double(results);
}

// A search field's text read as a time, on top of the search itself: the
// phrase, its place looked up (the search's best match), none for text
// that is no time.
void timePhrase(benchmark::State& state, const char* text)
{
    const CityDatabase& db = database();
    db.prepareSearch();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const TimePhrase::Context context = TimeAnswer::context({}, QTimeZone("Europe/London"), db, now);
    const QString phrase = QString::fromUtf8(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(TimePhrase::read(phrase, context));
}
BENCHMARK_CAPTURE(timePhrase, not_a_time, "tokyo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhrase, abbreviation, "3pm PST")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhrase, city, "Fri 14:00 in New York")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhrase, region_and_day, "9 am Central on Friday")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhrase, identifier, "3pm Asia/Kolkata")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhrase, nowhere, "3pm Xyzzyq")->Unit(benchmark::kMicrosecond);

// The same in another language, its words read besides English's.
void timePhraseIn(benchmark::State& state, const char* language, const char* text)
{
    const CityDatabase& db = database();
    db.prepareSearch();
    TimePhrase::Context context =
        TimeAnswer::context({}, QTimeZone("Europe/London"), db, QDateTime::currentDateTimeUtc());
    context.language = QString::fromLatin1(language);
    const QString phrase = QString::fromUtf8(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(TimePhrase::read(phrase, context));
}
BENCHMARK_CAPTURE(timePhraseIn, german, "de", "morgen um 15 Uhr in Berlin")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhraseIn, japanese, "ja", "金曜日 午後3時 Tokyo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(timePhraseIn, arabic, "ar", "غدًا الساعة ٩:٠٠ م في London")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, a, "a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, par, "par")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, new_york, "new york")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, zurich, "zürich")->Unit(benchmark::kMicrosecond);
// Names that are also the last part of a zone's identifier.
BENCHMARK_CAPTURE(search, london, "london")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, chicago, "chicago")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, paris, "paris")->Unit(benchmark::kMicrosecond);
// Zones named by identifier, offset and abbreviation.
BENCHMARK_CAPTURE(search, identifier, "Asia/Kolkata")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, last_part, "Kolkata")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, offset, "UTC+5:30")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, offset_compact, "+0545")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(search, abbreviation, "IST")->Unit(benchmark::kMicrosecond);

// In another language: the places ICU names there are searched as well.
void searchIn(benchmark::State& state, const char* locale, const char* query)
{
    static const CityDatabase japanese(QStringLiteral(HORAVIA_BUNDLE_DIR "/Contents/Resources/cities.json"),
                                       icu::Locale("ja_JP"));
    static const CityDatabase german(QStringLiteral(HORAVIA_BUNDLE_DIR "/Contents/Resources/cities.json"),
                                     icu::Locale("de_DE"));
    const CityDatabase& db = std::string(locale) == "ja" ? japanese : german;
    db.prepareSearch();
    const QString text = QString::fromUtf8(query);
    qsizetype results = 0;
    for (auto _ : state) {
        const QList<City> found = db.search(text, 200);
        results = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["results"] = double(results);
}
BENCHMARK_CAPTURE(searchIn, japanese_place, "ja", "東京")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchIn, japanese_one_letter, "ja", "ロ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchIn, german_place, "de", "Tokio")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchIn, german_english_name, "de", "a")->Unit(benchmark::kMicrosecond);

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

// A catalogue `factor` times the shipped one: each real record again with a
// made-up syllable after its name and its place moved at random, written
// with its index beside it. Built once per factor.
const QString& scaledCatalogue(int factor)
{
    static std::map<int, std::pair<std::unique_ptr<QTemporaryDir>, QString>> made;
    auto& entry = made[factor];
    if (!entry.first) {
        entry.first = std::make_unique<QTemporaryDir>();
        const auto real = CatalogueFile::decode([] {
            QFile file(QStringLiteral(HORAVIA_SOURCE_DIR "/resources/cities.json"));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }());
        static const char* const syllables[] = {"ka", "lo", "mi", "ven", "tor", "sa", "ru", "bel", "dun", "ix"};
        std::mt19937 random(42);
        std::uniform_real_distribution<double> jitter(-2, 2);
        QJsonArray records;
        for (int copy = 0; copy < factor; ++copy)
            for (const City& city : *real) {
                QString name = city.name;
                if (copy > 0)
                    name += QLatin1Char(' ') + QLatin1String(syllables[random() % 10]) + QString::number(copy);
                records.append(
                    QJsonObject{{QStringLiteral("i"), city.id + QString::number(copy)},
                                {QStringLiteral("n"), name},
                                {QStringLiteral("r"), city.region},
                                {QStringLiteral("c"), city.country},
                                {QStringLiteral("la"), std::clamp(city.latitude + jitter(random), -90.0, 90.0)},
                                {QStringLiteral("lo"), city.longitude + jitter(random)},
                                {QStringLiteral("z"), city.timeZoneIdentifier},
                                {QStringLiteral("a"), QJsonArray::fromStringList(city.aliases)}});
            }
        entry.second = entry.first->filePath(QStringLiteral("cities.json"));
        QFile json(entry.second);
        json.open(QIODevice::WriteOnly);
        json.write(QJsonDocument(records).toJson(QJsonDocument::Compact));
        json.close();
        QList<City> all{City::utc()};
        all += CatalogueFile::decode(QJsonDocument(records).toJson(QJsonDocument::Compact)).value();
        QSaveFile index(CityDatabase::indexFileFor(entry.second));
        index.open(QIODevice::WriteOnly);
        index.write(CatalogueIndex::build(all, TextFolder(), CatalogueIndex::Folding::standard,
                                          {quint64(QFileInfo(entry.second).size())}));
        index.commit();
    }
    return entry.second;
}

void scaleLoad(benchmark::State& state)
{
    const QString& file = scaledCatalogue(int(state.range(0)));
    for (auto _ : state) {
        const CityDatabase loaded(file, icu::Locale("en_US"));
        if (loaded.origin() != CityDatabase::Origin::index) state.SkipWithError("the index was not used");
        benchmark::DoNotOptimize(loaded.size());
    }
}
BENCHMARK(scaleLoad)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void scaleSearch(benchmark::State& state, const char* query)
{
    const CityDatabase loaded(scaledCatalogue(int(state.range(0))), icu::Locale("en_US"));
    loaded.prepareSearch();
    const QString text = QString::fromUtf8(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.search(text, 200));
}
BENCHMARK_CAPTURE(scaleSearch, a, "a")->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scaleSearch, par, "par")->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scaleSearch, new_york, "new york")->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void scaleNearest(benchmark::State& state)
{
    const CityDatabase loaded(scaledCatalogue(int(state.range(0))), icu::Locale("en_US"));
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded.nearestCities(48.85, 2.35, 1500, 12, 60));
}
BENCHMARK(scaleNearest)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace
