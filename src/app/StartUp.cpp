#include "StartUp.h"

#include "base/SharedOnce.h"
#include "catalogue/City.h"
#include "catalogue/CityDatabase.h"
#include "clock/ClockFormatter.h"
#include "map/WorldLand.h"
#include "platform/LibraryPages.h"
#include "platform/SystemLocale.h"
#include "platform/ThreadPriority.h"
#include "ui/Symbols.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent>

#include <unicode/locid.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int pooledThreadLingerMs = 150'000;

// Runs work once the first frame of any window (the icon's included) is
// painted, so that nothing the first frame does not need comes before it.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(std::function<void()> work, QObject* parent)
        : QObject(parent)
        , m_work(std::move(work))
    {
        qApp->installEventFilter(this);
        // A start that shows nothing (at login, its icon drawn by a
        // StatusNotifier host) paints no frame until the user opens
        // something; the global key and the calendars must not wait for that.
        QTimer::singleShot(0, this, [this] {
            const QWidgetList shown = QApplication::topLevelWidgets();
            if (std::none_of(shown.cbegin(), shown.cend(), [](const QWidget* w) { return w->isVisible(); })) run();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) run();
        return false;
    }

private:
    void run()
    {
        if (!m_work) return;
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, parent(), std::exchange(m_work, {}));
        deleteLater();
    }

    std::function<void()> m_work;
};

// Steps run one after another on a thread of low priority, which a busy
// machine may not let run at all: takeOver() runs the steps not begun yet
// at the caller's priority. Stopping cancels the steps not begun and waits
// only for those under way, so a quit never waits for a thread that has
// not run. The thread and its state last as long as the process: it may
// still be waiting for its first turn when the process ends.
class LowPriorityWork {
public:
    static void start(std::vector<std::function<void()>> steps)
    {
        {
            const std::lock_guard lock(state().lock);
            state().steps = std::move(steps);
        }
        // A plain thread, detached: no event loop or Qt object of its own to
        // end after the application has.
        std::thread([] {
            // Nice 10, not the idle class: a thread of the idle class can be
            // stopped for seconds inside the kernel, holding the process's
            // memory map, which every page fault of the main thread needs.
            ThreadPriority::lowerCurrent(10);
            onLowPriorityThread = true;
            while (runNext()) {
            }
        }).detach();
    }
    static void takeOver()
    {
        while (runNext()) {
        }
    }
    static void stop()
    {
        std::unique_lock lock(state().lock);
        state().stopped = true;
        state().stepDone.wait(lock, [] { return state().running == 0; });
    }

private:
    struct State {
        std::mutex lock;
        std::condition_variable stepDone;
        std::vector<std::function<void()>> steps;
        size_t next = 0;
        int running = 0;
        bool stopped = false;
    };
    static State& state()
    {
        static State* const shared = new State;
        return *shared;
    }
    static bool runNext()
    {
        std::function<void()> step;
        {
            const std::lock_guard lock(state().lock);
            if (state().stopped || state().next >= state().steps.size()) return false;
            step = state().steps[state().next++];
            ++state().running;
        }
        step();
        const std::lock_guard lock(state().lock);
        --state().running;
        state().stepDone.notify_all();
        return true;
    }
};

// Cancels what the start left to low-priority work, and waits for what is under way.
void stopBackgroundWork()
{
    LowPriorityWork::stop();
    if (QThreadPool* pool = QThreadPool::globalInstance()) pool->waitForDone();
}

} // namespace

void StartUp::prepareBeforeApplication()
{
    // Qt's raster engine blends large translucent areas (the map's night
    // side at each minute) on this pool's threads. Kept past the next
    // minute, they are woken by that minute's painting instead of each
    // waking once more to retire in between; closed windows let them go.
    // Made here, on the main thread, which Qt thereby knows as its own.
    QThreadPool::globalInstance()->setExpiryTimeout(pooledThreadLingerMs);
    // ICU's default locale comes from the environment whenever it is first
    // asked for; asked now, it is never looked up while the application
    // object sets the C library's locale beside a background thread.
    (void)icu::Locale::getDefault();
    // A quit (or Qt's own exit, when the display goes) first stops the
    // background work, rather than unloading what it still reads. Exit
    // handlers run in the reverse order of their making, so the pool and
    // Qt's zone cache are made first, here, to outlast the handler.
    (void)QTimeZone::systemTimeZone();
    static std::once_flag stopAtExit;
    std::call_once(stopAtExit, [] { std::atexit(&stopBackgroundWork); });
    // The settings ask for the catalogue as soon as the application object
    // is made, which takes longer than reading it.
    (void)QtConcurrent::run([] { (void)CityDatabase::shared(); });
}

void StartUp::prepareInBackground()
{
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &stopBackgroundWork);
    // The session bus's connection, beside the main thread and at its
    // priority: the tray icon and the colour scheme wait for it. Nothing
    // else runs beside the icon's start: on a two-core machine, the
    // display server, the tray and the bus answer the icon's requests at
    // that moment, and each thread more slowed their answers.
    (void)QtConcurrent::run([] { (void)QDBusConnection::sessionBus(); });
    // What the first window needs later, made by a thread of low priority
    // (nice 10), so that it does not slow the icon's start on a two-core
    // machine, where the display server, the tray and the window manager
    // are at work at the same moment. On a busy machine it may hardly run,
    // so nothing waits for it: the land is a value made once (made again by
    // whoever needs it first), and once the icon is up, what is left of
    // this is taken over at normal priority.
    LowPriorityWork::start({
        [] { (void)WorldLand::shared(); },
    });
}

void StartUp::prepareFirstWindow()
{
    // The icon is up. What the first window asks for at once is made beside
    // the main thread and at its priority: the country table (the flags),
    // the locale's time and zone formats, and Qt's font database (the first
    // text layout). ICU and Qt make these under their own locks, which the
    // main thread takes too: work that holds them must never be of lower
    // priority than the main thread. So is what the low-priority warm-up
    // has not begun (on a busy machine, all of it).
    (void)QtConcurrent::run([] {
        (void)regionCodeOf(QString());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QTimeZone home = QTimeZone::systemTimeZone();
        const ClockFormatter formatter(TimeFormat::system, DateFormat::relative, home, SystemLocale::current());
        (void)formatter.timeText(now, home);
        (void)formatter.zoneName(home, now);
    });
    // Reading the database goes no further than the application's family.
    (void)QtConcurrent::run([] { (void)QFontDatabase::hasFamily(QGuiApplication::font().family()); });
    (void)QtConcurrent::run(&LowPriorityWork::takeOver);
    // Every window made from now on has the application's icon. Set before
    // the tray icon was up, it was drawn in four sizes for the icon's own
    // embedding window, on the way to the icon.
    QGuiApplication::setWindowIcon(Symbols::applicationIcon());
}

void StartUp::afterFirstFrame(QObject* context, std::function<void()> work)
{
    new AfterFirstFrame(std::move(work), context);
}

void StartUp::prepareSearch()
{
    (void)QtConcurrent::run([] {
        CityDatabase::shared().prepareSearch();
        CityDatabase::shared().releasePages();
        LibraryPages::releaseIcuData();
    });
}
