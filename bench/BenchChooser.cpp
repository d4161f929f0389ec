// The windows on the shipped catalogue: one keystroke and one map click up to
// the chooser's model holding every row with its texts, opening the chooser
// the first time and again, a clock tick with it open (also on 200 search
// results); one step of the time cursor with the panel and the chooser open,
// Next Overlap for twenty cities; opening the settings, About and Software
// Update windows, and the settings preview on a tick; thirty days of uptime.

#include "ApplicationState.h"
#include "base/Preferences.h"
#include "base/Translations.h"
#include "chooser/CityListModel.h"
#include "clock/Clock.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "map/WorldLand.h"
#include "platform/ContinuousTimer.h"
#include "platform/LoginItem.h"
#include "platform/StatusNotifierItem.h"
#include "platform/UiLanguage.h"
#include "settings/AppSettings.h"
#include "ui/AboutWindow.h"
#include "ui/Commands.h"
#include "ui/MainWindow.h"
#include "ui/MenuBarPanel.h"
#include "ui/PlanningBar.h"
#include "ui/SettingsWindow.h"
#include "ui/TrayTimeIcon.h"
#include "ui/UpdateWindow.h"
#include "ui/WorldMapView.h"
#include "update/Updater.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QMap>
#include <QThread>
#include <QTranslator>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>
#include <unistd.h>

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

using ApplicationState::database;

// Twenty cities across the zones, tracked.
QStringList twentyCities()
{
    QStringList ids;
    for (qsizetype i = 1; i < database().size() && ids.size() < 20; ++i)
        if (const City city = database().city(i); city.id.endsWith(QLatin1Char('7'))) ids.append(city.id);
    return ids;
}

struct Chooser {
    MemoryPreferences store;
    AppSettings settings{store, database()};
    StillTimer* timer = new StillTimer;
    QDateTime wall = QDateTime::currentDateTimeUtc();
    Clock clock{wall, [this] { return wall; }, std::unique_ptr<ContinuousTimer>(timer)};
    DisplayedTime time{clock};
    ClockEntries entries{settings, database(), time};
    // The application's own commands.
    Updater updater{store, QString(), QString(), [] {
                        UpdateHost host;
                        host.makeTimer = [] { return std::make_unique<StillTimer>(); };
                        return host;
                    }()};
    Commands commands{time, entries, updater, {}};

    void tick()
    {
        wall = wall.addSecs(60);
        timer->fire();
    }
};

// The time between two ticks (a minute) or two steps (a key's repeat, 30 ms
// or more), in which what is drawn ahead gets done; not measured. With
// BENCH_BACK_TO_BACK set, none: each change follows the last at once.
void betweenChanges(benchmark::State& state)
{
    static const bool backToBack = qEnvironmentVariableIsSet("BENCH_BACK_TO_BACK");
    if (backToBack) return;
    state.PauseTiming();
    // What the event loop runs between two changes, then the idle time.
    QCoreApplication::sendPostedEvents();
    QThread::msleep(10);
    state.ResumeTiming();
}

// Where the time of an iteration goes: each hop's mean, in milliseconds, as
// a counter.
class Hops {
public:
    explicit Hops(benchmark::State& state)
        : m_state(state)
    {
    }
    ~Hops()
    {
        for (auto it = m_totals.cbegin(); it != m_totals.cend(); ++it)
            m_state.counters[it.key()] = double(it.value()) / 1e6 / double(std::max<qint64>(1, m_state.iterations()));
    }
    void start() { m_clock.start(); }
    void reached(const char* hop) { m_totals[hop] += m_clock.nsecsElapsed(), m_clock.start(); }

private:
    benchmark::State& m_state;
    QElapsedTimer m_clock;
    QMap<std::string, qint64> m_totals;
};

// The chooser drawn whole, whatever the display would have asked for
// (argument 0), its map, list and planning bar one by one (argument 1), or
// only what the change marked for repainting, as the display asks for it
// (argument 2).
void redrawChooser(const benchmark::State& state, MainWindow& window, Hops& hops)
{
    if (state.range(0) == 2) {

        QCoreApplication::sendPostedEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &request);
        hops.reached("asked_ms");
        return;
    }
    if (state.range(0) == 0) {
        benchmark::DoNotOptimize(window.centralWidget()->grab());
        hops.reached("chooser_ms");
        return;
    }
    benchmark::DoNotOptimize(window.map()->grab());
    hops.reached("map_ms");
    benchmark::DoNotOptimize(window.list()->grab());
    hops.reached("list_ms");
    benchmark::DoNotOptimize(window.planning()->grab());
    hops.reached("strip_ms");
}

void keystroke(benchmark::State& state)
{
    Chooser c;
    CityListModel model(c.settings, c.entries, database(), c.time);
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
    Chooser c;
    CityListModel model(c.settings, c.entries, database(), c.time);
    const Coordinate spots[] = {{2.35, 48.85}, {139.7, 35.7}};
    int i = 0;
    for (auto _ : state) {
        model.setFocus(spots[i++ % 2]);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(mapClick)->Unit(benchmark::kMillisecond);

// Land outlines loaded, the window built, shown and painted at 720 x 600.
void openFirstTime(benchmark::State& state)
{
    for (auto _ : state) {
        Chooser chooser;
        const WorldLand land = WorldLand::load(resources + QStringLiteral("world-land.json"));
        MainWindow window(chooser.settings, chooser.time, chooser.entries, database(), land, chooser.commands);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(openFirstTime)->Unit(benchmark::kMillisecond);

void openAgain(benchmark::State& state)
{
    Chooser chooser;
    MainWindow window(chooser.settings, chooser.time, chooser.entries, database(), ApplicationState::land(),
                      chooser.commands);
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
    chooser.settings.set(SettingKey::trackedCityIDs, twentyCities());
    MainWindow window(chooser.settings, chooser.time, chooser.entries, database(), ApplicationState::land(),
                      chooser.commands);
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    window.grab();
    const qint64 made = ClockRowTexts::madeCount();
    Hops hops(state);
    for (auto _ : state) {
        betweenChanges(state);
        hops.start();
        chooser.tick();
        hops.reached("tick_ms");
        redrawChooser(state, window, hops);
    }
    // Each clock (home and twenty cities) formatted once per tick.
    state.counters["formats_per_clock"] =
        double(ClockRowTexts::madeCount() - made) / double(state.iterations() * chooser.entries.entries().size());
}
BENCHMARK(tickWithChooserOpen)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A tick while the chooser lists 200 search results: the texts change, the
// search does not run again and no row is rebuilt (counted).
void tickOnSearchResults(benchmark::State& state)
{
    Chooser chooser;
    MainWindow window(chooser.settings, chooser.time, chooser.entries, database(), ApplicationState::land(),
                      chooser.commands);
    window.show();
    window.model().setSearchText(QStringLiteral("a"));
    int searches = 0;
    int resets = 0;
    QObject::connect(&window.model(), &CityListModel::resultsChanged, [&] { ++searches; });
    QObject::connect(&window.model(), &CityListModel::modelReset, [&] { ++resets; });
    const qint64 made = ClockRowTexts::madeCount();
    for (auto _ : state)
        chooser.tick();
    state.counters["rows"] = window.model().rowCount();
    state.counters["searches_rebuilt"] = searches + resets;
    // The shared rows only: a result is formatted when drawn, and nothing draws here.
    state.counters["formats_per_tick"] = double(ClockRowTexts::madeCount() - made) / double(state.iterations());
}
BENCHMARK(tickOnSearchResults)->Unit(benchmark::kMillisecond);

// One step of the time cursor from the panel's keys, until the panel (twenty
// cities) and the chooser (list and map at 720 x 600) hold their new texts and
// have repainted: drawn whole or one by one as redrawChooser says, or (2)
// both windows only where the step marked them, as the display asks.
void cursorStep(benchmark::State& state)
{
    Chooser chooser;
    chooser.settings.set(SettingKey::trackedCityIDs, twentyCities());
    MainWindow window(chooser.settings, chooser.time, chooser.entries, database(), ApplicationState::land(),
                      chooser.commands);
    window.show();
    MenuBarPanel panel(chooser.settings, chooser.time, chooser.entries, chooser.commands);
    panel.show();
    while (!window.windowHandle()->isExposed() || !panel.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    panel.grab();
    bool forward = true;
    int steps = 0;
    const qint64 made = ClockRowTexts::madeCount();
    Hops hops(state);
    for (auto _ : state) {
        // Back and forth, so the cursor never reaches the end of its range.
        if (++steps % 200 == 0) forward = !forward;
        betweenChanges(state);
        hops.start();
        QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QCoreApplication::sendEvent(&panel, &press);
        hops.reached("key_ms");
        redrawChooser(state, window, hops);
        if (state.range(0) == 2) {
            QEvent request(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(&panel, &request);
        } else {
            benchmark::DoNotOptimize(panel.grab());
        }
        hops.reached("panel_ms");
    }
    // Each clock formatted once per step, for the panel and the chooser together.
    state.counters["formats_per_clock"] =
        double(ClockRowTexts::madeCount() - made) / double(state.iterations() * chooser.entries.entries().size());
}
BENCHMARK(cursorStep)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Thirty days of minute ticks on the injected clock, the panel opened and
// closed every hour and the chooser made, shown and closed every day, as a
// long-running application does. Memory and live widgets are counted after
// the first day (caches filled) and at the end: neither may grow.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    return status.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

void longUptime(benchmark::State& state)
{
    for (auto _ : state) {
        Chooser chooser;
        chooser.settings.set(SettingKey::trackedCityIDs, twentyCities());
        MenuBarPanel panel(chooser.settings, chooser.time, chooser.entries, chooser.commands);
        long firstDayKb = 0;
        qsizetype firstDayWidgets = 0;
        for (int minute = 1; minute <= 30 * 24 * 60; ++minute) {
            chooser.tick();
            if (minute % 60 == 0) {
                panel.show();
                QCoreApplication::processEvents();
                panel.hide();
            }
            if (minute % (24 * 60) == 0) {
                auto window = std::make_unique<MainWindow>(chooser.settings, chooser.time, chooser.entries, database(),
                                                           ApplicationState::land(), chooser.commands);
                window->show();
                QCoreApplication::processEvents();
                window->close();
                window.reset();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (minute == 24 * 60)
                    firstDayKb = residentKilobytes(), firstDayWidgets = QApplication::allWidgets().size();
            }
        }
        state.counters["rss_growth_kB"] = double(residentKilobytes() - firstDayKb);
        state.counters["widget_growth"] = double(QApplication::allWidgets().size() - firstDayWidgets);
    }
}
BENCHMARK(longUptime)->Iterations(1)->Unit(benchmark::kSecond);

// Next Overlap over a week for home and twenty cities.
void nextOverlap(benchmark::State& state)
{
    Chooser chooser;
    chooser.settings.set(SettingKey::trackedCityIDs, twentyCities());
    const QList<Overlap::Participant> people = chooser.entries.participants();
    const QDateTime from = chooser.wall;
    for (auto _ : state)
        benchmark::DoNotOptimize(Overlap::next(people, from, from.addDays(7), 30, QTimeZone::systemTimeZone()));
    state.counters["participants"] = double(people.size());
}
BENCHMARK(nextOverlap)->Unit(benchmark::kMillisecond);

struct Windows : Chooser {
    Updater updater{store, QString(), QString(), [] {
                        UpdateHost host;
                        host.makeTimer = [] { return std::unique_ptr<ContinuousTimer>(new StillTimer); };
                        return host;
                    }()};
    // Never written by the benchmarks: nothing toggles it.
    LoginItem loginItem{QStringLiteral("/nonexistent/autostart.desktop"), QStringLiteral("/bin/true")};
};

// Built, shown and painted for the first time.
template <typename Make> void openWindow(benchmark::State& state, Make make)
{
    Windows windows;
    for (auto _ : state) {
        const std::unique_ptr<QWidget> window = make(windows);
        window->show();
        benchmark::DoNotOptimize(window->grab());
    }
}
BENCHMARK_CAPTURE(openWindow, settings, [](Windows& w) {
    return std::make_unique<SettingsWindow>(w.settings, w.time, w.updater, w.loginItem, w.commands.showUpdate());
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openWindow, about, [](Windows&) {
    return std::make_unique<AboutWindow>(BundleInfo::read(QStringLiteral(HORAVIA_BUNDLE_DIR)));
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openWindow, update, [](Windows& w) {
    w.updater.setPhase(Updater::Phase::available(QStringLiteral("# Horavia 2.0\n- **Faster** start\n- Fixes")));
    return std::make_unique<UpdateWindow>(w.updater);
})->Unit(benchmark::kMillisecond);

// The settings preview's share of a tick: its text at the new minute.
void settingsPreviewTick(benchmark::State& state)
{
    Windows windows;
    SettingsWindow window(windows.settings, windows.time, windows.updater, windows.loginItem,
                          windows.commands.showUpdate());
    window.show();
    for (auto _ : state)
        windows.tick();
}
BENCHMARK(settingsPreviewTick)->Unit(benchmark::kMicrosecond);

// The tray's share of a tick with three clocks beside the icon: the
// tooltip's lines and the label with its guide, handed to the item (the
// rows' texts are the tick's, measured above).
void trayRefreshWithThreeClocks(benchmark::State& state)
{
    MemoryPreferences store;
    AppSettings settings{store, database()};
    auto* timer = new StillTimer;
    QDateTime wall = QDateTime::currentDateTimeUtc();
    Clock clock{wall, [&wall] { return wall; }, std::unique_ptr<ContinuousTimer>(timer)};
    DisplayedTime time{clock};
    ClockEntries entries{settings, database(), time};
    const QStringList cities = twentyCities();
    settings.set(SettingKey::trackedCityIDs, cities);
    settings.set(SettingKey::trayDisplay, TrayDisplay::timeBesideIcon);
    settings.set(SettingKey::trayCityIDs, cities.mid(0, 3));
    StatusNotifierItem item(QStringLiteral("horavia"), QStringLiteral("Horavia"), {});
    for (auto _ : state) {
        state.PauseTiming();
        wall = wall.addSecs(60);
        timer->fire();
        (void)entries.rows();
        state.ResumeTiming();
        item.setToolTip(entries.glanceLines(wall).join(QLatin1Char('\n')));
        const ClockEntries::TrayTimes times = entries.trayTimes();
        item.setLabel(times.text, times.guide);
    }
}
BENCHMARK(trayRefreshWithThreeClocks)->Unit(benchmark::kMicrosecond);

// The time drawn as the icon, at 22 points, at scale 1 and 2.
void timeIcon(benchmark::State& state)
{
    const QPalette palette = QApplication::palette();
    int minute = 0;
    for (auto _ : state) {
        const QString text = QStringLiteral("21:%1").arg(minute++ % 60, 2, 10, QLatin1Char('0'));
        benchmark::DoNotOptimize(TrayTimeIcon::draw(text, 22, qreal(state.range(0)), palette));
    }
}
BENCHMARK(timeIcon)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

// The start's share of the session's language: the wanted languages named,
// Qt's and Horavia's catalogues for the first of them loaded and installed
// (0 English, whose plural forms are built in; 1 German; 2 Arabic), then
// taken away again.
void loadTranslations(benchmark::State& state)
{
    const QString language =
        QStringList{QStringLiteral("en-US"), QStringLiteral("de-DE"), QStringLiteral("ar-EG")}.at(int(state.range(0)));
    const QString folder = QStringLiteral(HORAVIA_BUNDLE_DIR "/Contents/Resources/translations");
    for (auto _ : state) {
        const QStringList wanted = UiLanguage::namesOf({language, language.section(QLatin1Char('-'), 0, 0)});
        benchmark::DoNotOptimize(Translations::install(wanted, folder));
        state.PauseTiming();
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        state.ResumeTiming();
    }
}
BENCHMARK(loadTranslations)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
