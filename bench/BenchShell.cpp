// The running application as a whole, on a desktop with a tray (DISPLAY must
// be set; scripts/bench provides a virtual one): time from start to the tray
// icon on screen, resident memory once started (the main window open), and
// wake-ups while idle, with the main window closed and open.

#include "XcbAtom.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstring>
#include <xcb/xcb.h>

namespace {

const QString executable = QStringLiteral(HORAVIA_BUNDLE_EXECUTABLE);

// The first mapped window of Horavia's class (org.horavia.Horavia) whose width lies in the range
// (12 to 64: the tray icon; about 720: the main window), or 0.
xcb_window_t findWindow(xcb_connection_t* connection, xcb_window_t window, int minWidth, int maxWidth)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    if (!tree) return 0;
    xcb_window_t found = 0;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        xcb_get_property_reply_t* cls = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, children[i], XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64),
            nullptr);
        if (cls && xcb_get_property_value_length(cls) > 0 &&
            ::memmem(xcb_get_property_value(cls), size_t(xcb_get_property_value_length(cls)), "org.horavia.Horavia",
                     19)) {
            xcb_get_geometry_reply_t* geometry =
                xcb_get_geometry_reply(connection, xcb_get_geometry(connection, children[i]), nullptr);
            xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, children[i]), nullptr);
            if (geometry && attributes && geometry->width >= minWidth && geometry->width <= maxWidth &&
                attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                found = children[i];
            free(geometry);
            free(attributes);
        }
        free(cls);
        if (!found) found = findWindow(connection, children[i], minWidth, maxWidth);
    }
    free(tree);
    return found;
}

// Asks the main window to close, as its close button does.
bool closeMainWindow(xcb_connection_t* connection)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_window_t window = findWindow(connection, root, 600, 2000);
    if (!window) return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = xcbAtom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = xcbAtom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    return true;
}

struct RunningApp {
    QTemporaryDir home;
    QProcess process;

    RunningApp()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* folder : {"home", "config", "runtime"})
            QDir(home.path()).mkpath(QString::fromLatin1(folder));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QStringLiteral("HOME"), home.filePath(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.setProgram(executable);
    }
    ~RunningApp()
    {
        process.terminate();
        if (!process.waitForFinished(3000)) process.kill();
        process.waitForFinished(1000);
    }

    // Starts the application; the seconds until its tray icon was on screen, or -1.
    double startAndWaitForIcon(xcb_connection_t* connection)
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        QElapsedTimer timer;
        timer.start();
        process.start();
        while (timer.elapsed() < 10000) {
            if (findWindow(connection, root, 12, 64)) return double(timer.nsecsElapsed()) / 1e9;
            QThread::usleep(2000);
        }
        return -1;
    }

    // Context switches of each of its threads, by thread id: each is a wake-up.
    QHash<QString, long long> contextSwitches() const
    {
        QHash<QString, long long> switches;
        const QString tasks = QStringLiteral("/proc/%1/task").arg(process.processId());
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile status(tasks + QLatin1Char('/') + task + QStringLiteral("/status"));
            if (!status.open(QIODevice::ReadOnly)) continue;
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.contains("ctxt_switches:")) switches[task] += line.split(':').last().trimmed().toLongLong();
        }
        return switches;
    }

    double residentMegabytes() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        return -1;
    }
};

xcb_connection_t* display()
{
    static xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    return connection;
}

void startToTrayIcon(benchmark::State& state)
{
    if (xcb_connection_has_error(display())) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        RunningApp app;
        const double seconds = app.startAndWaitForIcon(display());
        if (seconds < 0) {
            state.SkipWithError("the tray icon never appeared");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(startToTrayIcon)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void residentMemoryAfterStart(benchmark::State& state)
{
    if (xcb_connection_has_error(display())) {
        state.SkipWithError("no display");
        return;
    }
    double megabytes = 0;
    for (auto _ : state) {
        RunningApp app;
        app.startAndWaitForIcon(display());
        QThread::sleep(2); // the main window opens right after the icon
        megabytes = app.residentMegabytes();
    }
    state.counters["resident_MB"] = megabytes;
}
BENCHMARK(residentMemoryAfterStart)->Iterations(1)->Unit(benchmark::kMillisecond);

void idleWakeupsPerMinute(benchmark::State& state)
{
    if (xcb_connection_has_error(display())) {
        state.SkipWithError("no display");
        return;
    }
    const int seconds = int(state.range(0));
    const bool chooserClosed = state.range(1) != 0;
    double perMinute = 0;
    for (auto _ : state) {
        RunningApp app;
        app.startAndWaitForIcon(display());
        QThread::sleep(2);
        if (chooserClosed && !closeMainWindow(display())) {
            state.SkipWithError("no main window to close");
            return;
        }
        QThread::sleep(10); // let start-up settle (the update check at 3 s, the caret at rest)
        const QHash<QString, long long> before = app.contextSwitches();
        QThread::sleep(unsigned(seconds));
        // Threads that ended meanwhile are left out; new ones count from zero.
        long long woken = 0;
        const QHash<QString, long long> after = app.contextSwitches();
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            woken += it.value() - before.value(it.key(), 0);
        perMinute = double(woken) * 60.0 / seconds;
    }
    state.counters["wakeups_per_minute"] = perMinute;
}
// Seconds measured, and whether the main window was closed first.
BENCHMARK(idleWakeupsPerMinute)->Args({120, 1})->Args({120, 0})->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
