// The city chooser on the shipped catalogue: one keystroke and one map click
// up to the model holding every row with its texts, opening the window the
// first time and again, and a clock tick with the window open.

#include "catalogue/CityDatabase.h"
#include "chooser/CityListModel.h"
#include "clock/Clock.h"
#include "map/WorldLand.h"
#include "platform/ContinuousTimer.h"
#include "platform/Preferences.h"
#include "settings/AppSettings.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const QString resources = QStringLiteral(HORAVIA_SOURCE_DIR "/resources/");

class MemoryPreferences final : public Preferences {
public:
    QVariantMap values;
    QVariant object(const QString& key) const override { return values.value(key); }
    void setObject(const QVariant& value, const QString& key) override { values.insert(key, value); }
    void remove(const QString& key) override { values.remove(key); }
    bool synchronize() override { return true; }
};

class StillTimer final : public ContinuousTimer {
public:
    void start(double) override {}
    void stop() override {}
    bool isActive() const override { return false; }
    void fire() { emit fired(); }
};

const CityDatabase& database()
{
    static const CityDatabase loaded(resources + QStringLiteral("cities.json"));
    return loaded;
}

// Twenty cities across the zones, tracked.
QStringList twentyCities()
{
    QStringList ids;
    for (const City& city : database().cities())
        if (city.id != QLatin1String("utc") && ids.size() < 20 && city.id.endsWith(QLatin1Char('7')))
            ids.append(city.id);
    return ids;
}

void keystroke(benchmark::State& state)
{
    MemoryPreferences store;
    AppSettings settings(store, database());
    CityListModel model(settings, database());
    const QStringList texts{QStringLiteral("a"), QStringLiteral("e")}; // 200 results each
    int i = 0;
    for (auto _ : state) {
        model.setSearchText(texts.at(i++ % 2));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(keystroke)->Unit(benchmark::kMillisecond);

void mapClick(benchmark::State& state)
{
    MemoryPreferences store;
    AppSettings settings(store, database());
    CityListModel model(settings, database());
    const Coordinate spots[] = {{2.35, 48.85}, {139.7, 35.7}};
    int i = 0;
    for (auto _ : state) {
        model.setFocus(spots[i++ % 2]);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(mapClick)->Unit(benchmark::kMillisecond);

struct Chooser {
    MemoryPreferences store;
    AppSettings settings{store, database()};
    StillTimer* timer = new StillTimer;
    QDateTime wall = QDateTime::currentDateTimeUtc();
    Clock clock{wall, [this] { return wall; }, std::unique_ptr<ContinuousTimer>(timer)};
    QAction about, check, settingsAction, quit, showUpdate;
    MainWindow::Commands commands{&about, &check, &settingsAction, &quit, &showUpdate};

    Chooser() { showUpdate.setVisible(false); }
};

// Land outlines loaded, the window built, shown and painted at 720 x 600.
void openFirstTime(benchmark::State& state)
{
    for (auto _ : state) {
        Chooser chooser;
        const WorldLand land = WorldLand::load(resources + QStringLiteral("world-land.json"));
        MainWindow window(chooser.settings, chooser.clock, database(), land, chooser.commands);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(openFirstTime)->Unit(benchmark::kMillisecond);

void openAgain(benchmark::State& state)
{
    Chooser chooser;
    MainWindow window(chooser.settings, chooser.clock, database(), WorldLand::shared(), chooser.commands);
    window.show();
    window.grab();
    for (auto _ : state) {
        window.hide();
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(openAgain)->Unit(benchmark::kMillisecond);

// A tick with twenty tracked cities: the list's texts and the map's night
// side at the new minute, then the window drawn.
void tickWithChooserOpen(benchmark::State& state)
{
    Chooser chooser;
    chooser.settings.setTrackedCityIDs(twentyCities());
    MainWindow window(chooser.settings, chooser.clock, database(), WorldLand::shared(), chooser.commands);
    window.show();
    window.grab();
    for (auto _ : state) {
        chooser.wall = chooser.wall.addSecs(60);
        chooser.timer->fire();
        benchmark::DoNotOptimize(window.centralWidget()->grab());
    }
}
BENCHMARK(tickWithChooserOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
