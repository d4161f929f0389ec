#include "HoraviaApp.h"

#include "Commands.h"
#include "Tray.h"
#include "catalogue/City.h"
#include "catalogue/CityDatabase.h"
#include "clock/Clock.h"
#include "clock/ClockEntries.h"
#include "clock/ClockExport.h"
#include "clock/ClockFormatter.h"
#include "clock/DisplayedTime.h"
#include "clock/TimeLink.h"
#include "map/WorldLand.h"
#include "platform/ActivationToken.h"
#include "platform/DefaultApplication.h"
#include "platform/GlobalShortcut.h"
#include "platform/JsonPreferences.h"
#include "platform/LibraryPages.h"
#include "platform/LoginItem.h"
#include "platform/PrivateFiles.h"
#include "platform/SharedOnce.h"
#include "platform/SystemLocale.h"
#include "services/Services.h"
#include "settings/AppSettings.h"
#include "ui/AboutWindow.h"
#include "ui/MainWindow.h"
#include "ui/MenuBarPanel.h"
#include "ui/PlanningBar.h"
#include "ui/SettingsWindow.h"
#include "ui/Symbols.h"
#include "ui/UpdateWindow.h"
#include "ui/platform/ActivationPolicies.h"
#include "update/BundleInfo.h"
#include "update/UpdateAddresses.h"
#include "update/Updater.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDir>
#include <QFontDatabase>
#include <QMenu>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QWindow>
#include <QtConcurrent>

#include <unicode/locid.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int panelGap = 4;
// A click on the tray icon that closes the open panel reaches the icon too;
// within this time after the panel closed, it must not reopen it.
constexpr qint64 reopenGuardMs = 100;
// How long a start that opens the panel, or shows only the icon, waits for a
// tray to show the icon: longer than an X11 tray takes to embed it, short
// enough that on a desktop with none the window soon comes instead.
constexpr std::chrono::milliseconds trayWait{2000};
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
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && m_work) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::exchange(m_work, {}));
            deleteLater();
        }
        return false;
    }

private:
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
#if defined(Q_OS_LINUX)
            // Nice 10, not the idle class: a thread of the idle class can be
            // stopped for seconds inside the kernel, holding the process's
            // memory map, which every page fault of the main thread needs.
            ::setpriority(PRIO_PROCESS, pid_t(::gettid()), 10);
#endif
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

} // namespace

void HoraviaApp::prepareBeforeApplication()
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

void HoraviaApp::prepareInBackground()
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

void HoraviaApp::prepareFirstWindow()
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

void HoraviaApp::stopBackgroundWork()
{
    LowPriorityWork::stop();
    if (QThreadPool* pool = QThreadPool::globalInstance()) pool->waitForDone();
}

HoraviaApp::HoraviaApp(QObject* parent)
    : QObject(parent)
    , m_preferences(std::make_unique<JsonPreferences>(JsonPreferences::defaultFileName()))
    , m_loginItem(std::make_unique<LoginItem>(LoginItem::forApplication()))
{
    // A value set reaches the disk within about a second, whoever set it.
    m_preferences->writeChangesAfter(std::chrono::milliseconds(500));
    m_settings = std::make_unique<AppSettings>(*m_preferences, CityDatabase::shared());
    m_loginItem->followMove();
    m_clock = std::make_unique<Clock>(Clock::systemTime());
    m_time = std::make_unique<DisplayedTime>(*m_clock,
                                             [settings = m_settings.get()] { return settings->timeStepMinutes(); });
    m_entries = std::make_unique<ClockEntries>(*m_settings, CityDatabase::shared(), *m_time);
    UpdateHost host = UpdateHost::forApplication([] { QCoreApplication::quit(); });
    host.download = [](const QString& address, const Download::Limits& limits, const QObject* context,
                       std::function<void(int, Download::Result)> done) {
        if (const Services* services = Services::load())
            services->download(address, limits, context, std::move(done));
        else
            done(0, UpdaterError::platform(
                        QCoreApplication::translate("UpdaterError", "The network module isn't available.")));
    };
    host.installPayload = [](const QByteArray& payload, const QString& bundle,
                             const QString& team) -> std::optional<UpdaterError> {
        if (const Services* services = Services::load()) return services->installPayload(payload, bundle, team);
        return UpdaterError::platform(QCoreApplication::translate("UpdaterError", "No installer is available."));
    };
    host.pinnedTeam = UpdateAddresses::pinnedTeam();
    host.selfUpdating = UpdateAddresses::selfUpdating();
    m_updater = std::make_unique<Updater>(*m_preferences, UpdateAddresses::notes(), UpdateAddresses::payload(),
                                          std::move(host));
    m_activationPolicy = ActivationPolicies::forPlatform();

    Commands::Handlers handlers;
    handlers.openWindow = [this](WindowId id) { openWindow(id); };
    handlers.checkForUpdates = [this] { checkForUpdates(); };
    handlers.quit = [] { QCoreApplication::quit(); };
    handlers.nextOverlap = [this] { m_entries->moveToNextOverlap(); };
    handlers.copyTimes = [this] { QGuiApplication::clipboard()->setText(m_entries->shareLine(m_time->instant())); };
    handlers.copyLink = [this] { QGuiApplication::clipboard()->setText(TimeLink::of(m_time->instant())); };
    handlers.createEvent = [this] { createEvent(); };
    handlers.moveTime = [this](DisplayedTime::Move move) { m_time->move(move); };
    handlers.showNow = [this] { m_time->goLive(); };
    handlers.showClocks = [this] { togglePanel(); };
    m_commands = std::make_unique<Commands>(*m_updater, handlers);

    m_windows.add(WindowId::main, [this] {
        MainWindow::Commands commands;
        commands.about = m_commands->about();
        commands.checkForUpdates = m_commands->checkForUpdates();
        commands.settings = m_commands->settings();
        commands.quit = m_commands->quit();
        commands.showUpdate = m_commands->showUpdate();
        commands.nextOverlap = m_commands->nextOverlap();
        commands.copyTimes = m_commands->copyTimes();
        commands.copyLink = m_commands->copyLink();
        commands.createEvent = m_commands->createEvent();
        commands.time = m_commands->time();
        return std::make_unique<MainWindow>(*m_settings, *m_time, *m_entries, CityDatabase::shared(),
                                            WorldLand::shared(), commands);
    });

    m_windows.add(WindowId::settings, [this] {
        auto window =
            std::make_unique<SettingsWindow>(*m_settings, *m_time, *m_updater, *m_loginItem, m_commands->showUpdate());
        window->setGlobalShortcut(m_shortcut.get());
        return window;
    });

    m_windows.add(WindowId::about,
                  [] { return std::make_unique<AboutWindow>(BundleInfo::read(BundleInfo::runningBundlePath())); });
    m_windows.add(WindowId::update, [this] { return std::make_unique<UpdateWindow>(*m_updater); });

    // The dock policy follows the setting from the first window on.
    m_windows.onCreated = [this](QWidget* window) {
        window->winId(); // the platform window, for its hints
        m_activationPolicy->adopt(window->windowHandle());
        if (!m_policyApplied) {
            m_policyApplied = true;
            m_activationPolicy->apply(m_settings->showsDockIcon());
        }
    };
    connect(m_settings.get(), &AppSettings::changed, this, [this](SettingKey key) {
        if (key == SettingKey::showsDockIcon && m_policyApplied) m_activationPolicy->apply(m_settings->showsDockIcon());
    });
}

HoraviaApp::~HoraviaApp() = default;

void HoraviaApp::start(StartReason reason, const QString& address)
{
    // The icon first: the panel and the menu are built once it is up. An X11
    // tray may start after the application and Qt then shows the icon; on
    // other platforms (a Wayland session) only a StatusNotifier tray present
    // now is ever used, so without one there is no icon to make.
    m_tray = Tray::make(m_commands->showClocks(),
                        {m_commands->showUpdate(), m_commands->nextOverlap(), m_commands->copyTimes(),
                         m_commands->copyLink(), m_commands->createEvent(), m_commands->chooseCities(),
                         m_commands->settings(), m_commands->about(), m_commands->checkForUpdates(), nullptr,
                         m_commands->quit()},
                        this);
    if (m_tray) {
        connect(m_tray.get(), &Tray::activated, this, &HoraviaApp::togglePanelAt);
        connect(m_tray.get(), &Tray::middleClicked, m_commands->time().now, &QAction::trigger);
        connect(m_tray.get(), &Tray::scrolled, this, [this](int angleDelta) {
            const int steps = TimeGrid::wheelSteps(m_trayWheelRest, angleDelta);
            for (int i = 0; i < std::abs(steps); ++i)
                m_time->move(steps > 0 ? DisplayedTime::Move::stepForward : DisplayedTime::Move::stepBack);
        });
        connect(m_settings.get(), &AppSettings::changed, this, [this](SettingKey key) {
            if (key == SettingKey::showsMenuBarItem) updateTrayVisibility();
        });
        m_settings->whenChanged(SettingEffect::tray, this, [this] { refreshTraySoon(); });
        // The times at a glance: refreshed by the minute's tick, a new list
        // and a new format, nothing else.
        connect(m_clock.get(), &Clock::nowChanged, this, &HoraviaApp::refreshTraySoon);
        connect(m_entries.get(), &ClockEntries::listChanged, this, &HoraviaApp::refreshTraySoon);
        connect(m_entries.get(), &ClockEntries::textsChanged, this, &HoraviaApp::refreshTraySoon);
        connect(m_time.get(), &DisplayedTime::liveChanged, this, &HoraviaApp::refreshTraySoon);
        updateTrayVisibility();
    }
    prepareFirstWindow();
    // "Show Clocks" as a desktop-wide key, where the desktop's portal binds one.
    m_shortcut = std::make_unique<GlobalShortcut>(QStringLiteral("org.horavia.Horavia"), QStringLiteral("show-clocks"),
                                                  tr("Show Clocks"));
    connect(m_shortcut.get(), &GlobalShortcut::activated, this, [this](const QString& token) {
        ActivationToken::use(token);
        toggleClocks();
    });

    // The main window comes at every launch, right after the icon is up; a
    // start at login shows only the icon, unless there is none to click; a
    // start to toggle the panel opens the panel.
    QTimer::singleShot(0, this, [this, reason, address] {
        // A start that opens the panel, or shows nothing but the icon, waits
        // a moment for a tray to show it: the panel opens under the icon, and
        // with no tray the window comes instead of nothing.
        if (m_tray && m_settings->showsMenuBarItem() && reason != StartReason::launched)
            m_tray->whenShown(trayWait, this, [this, reason, address](bool shown) { act(reason, address, shown); });
        else
            act(reason, address, m_tray && m_settings->showsMenuBarItem());
    });
}

void HoraviaApp::act(StartReason reason, const QString& address, bool iconShown)
{
    if (reason == StartReason::toggled)
        toggleClocks();
    else if (reason == StartReason::linked)
        openLink(address);
    else if (reason == StartReason::launched || !iconShown)
        presentMainWindow();
    // The tooltip shows on a hover, the window at once: the window first.
    if (m_tray) refreshTray();
    new AfterFirstFrame(
        [this, iconShown] {
            // The portal is asked once the first frame is up, not before.
            m_shortcut->start();
            // The zones' names and rules for the first search, away from the
            // event loop; then start-up has read what it needs of the
            // catalogue and of ICU's tables.
            (void)QtConcurrent::run([] {
                CityDatabase::shared().prepareSearch();
                CityDatabase::shared().releasePages();
                LibraryPages::releaseIcuData();
            });
            if (!iconShown || !m_tray->isShown()) return;
            ensurePanel(PanelMode::popup);
            m_panel->prepare();
        },
        this);
}

void HoraviaApp::ensurePanel(PanelMode mode)
{
    if (m_panel && mode == m_panelMode) return;
    if (!m_panel) {
        m_panel = std::make_unique<MenuBarPanel>(*m_settings, *m_time, *m_entries,
                                                 QList<QAction*>{m_commands->showUpdate(), m_commands->copyTimes(),
                                                                 m_commands->copyLink(), m_commands->createEvent(),
                                                                 m_commands->chooseCities(), m_commands->settings(),
                                                                 m_commands->about(), m_commands->quit()},
                                                 m_commands->nextOverlap(), m_commands->time());
        m_panel->setAttribute(Qt::WA_NoMouseReplay);
        // As a window, the panel stays until the user closes it.
        connect(m_panel.get(), &MenuBarPanel::dismissed, this, [this] {
            if (panelIsPopup()) m_panel->hide();
        });
    }
    m_panelMode = mode;
    // Wayland lets no client place a window, and a popup there needs a
    // parent window that took input: the panel is a frameless window of its
    // own instead, which closes with Escape and when it loses focus.
    const bool placeable = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (mode == PanelMode::window)
        m_panel->setWindowFlags(Qt::Window);
    else
        m_panel->setWindowFlags(Qt::FramelessWindowHint | (placeable ? Qt::Popup : Qt::Window));
}

bool HoraviaApp::panelIsPopup() const
{
    return m_panel && m_panelMode == PanelMode::popup;
}

void HoraviaApp::refreshTraySoon()
{
    // A live tick arrives as the clock's change and as the rows': the tray
    // is refreshed once for both, when the event loop is next free.
    if (m_trayRefreshQueued) return;
    m_trayRefreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_trayRefreshQueued = false;
            refreshTray();
        },
        Qt::QueuedConnection);
}

void HoraviaApp::refreshTray()
{
    // A time set with the wheel over the item shows there too, marked.
    QStringList lines = m_entries->glanceLines(m_time->isLive() ? m_clock->now() : m_time->instant());
    if (!m_time->isLive() && !lines.isEmpty()) lines.first().prepend(QStringLiteral("◷ "));
    m_tray->setToolTip(lines.isEmpty() ? QStringLiteral("Horavia") : lines.join(QLatin1Char('\n')));
    const TrayDisplay display = m_settings->trayDisplay();
    const ClockEntries::TrayTimes times =
        display == TrayDisplay::icon ? ClockEntries::TrayTimes() : m_entries->trayTimes();
    if (display == TrayDisplay::timeBesideIcon)
        m_tray->setLabel(times.text, times.guide);
    else
        m_tray->setLabel(QString(), QString());
    m_tray->setTimeIcon(display == TrayDisplay::timeAsIcon ? times.first : QString(), !m_time->isLive());
}

void HoraviaApp::updateTrayVisibility()
{
    if (!m_tray) return;
    m_tray->setVisible(m_settings->showsMenuBarItem());
    if (!m_settings->showsMenuBarItem() && panelIsPopup()) m_panel->hide();
}

void HoraviaApp::openWindow(WindowId id)
{
    if (panelIsPopup()) m_panel->hide();
    QWidget* window = m_windows.open(id);
    if (m_policyApplied) m_activationPolicy->activate(window ? window->windowHandle() : nullptr);
}

void HoraviaApp::presentMainWindow()
{
    if (m_windows.contains(WindowId::main)) {
        openWindow(WindowId::main);
        return;
    }
    if (m_tray && m_tray->isVisible() && m_tray->isShown()) {
        ensurePanel(PanelMode::popup);
        if (!m_panel->isVisible()) showPanelAt(m_tray->anchor());
        return;
    }
    showPanelWindow();
}

void HoraviaApp::showPanelWindow()
{
    ensurePanel(PanelMode::window);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) m_panel->fitTo(screen->availableGeometry());
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
}

void HoraviaApp::toggleClocks()
{
    if (m_tray && m_tray->isVisible() && m_tray->isShown()) {
        togglePanel();
        return;
    }
    // Without a tray to open under, the panel is a window of its own.
    if (m_panel && m_panel->isVisible()) {
        m_panel->hide();
        return;
    }
    showPanelWindow();
}

void HoraviaApp::openClocks()
{
    if (m_tray && m_tray->isVisible() && m_tray->isShown()) {
        ensurePanel(PanelMode::popup);
        if (!m_panel->isVisible()) showPanelAt(m_tray->anchor());
        return;
    }
    showPanelWindow();
}

void HoraviaApp::openLink(const QString& address)
{
    const TimeLink::Opened opened = TimeLink::read(address, m_time->now(), DisplayedTime::rangeSeconds);
    if (opened.at.isValid()) m_time->setInstant(opened.at);
    openClocks();
    if (!opened.at.isValid()) m_panel->planning()->say(opened.error);
}

void HoraviaApp::createEvent()
{
    // A file of our own, under a name nobody could have prepared, in a
    // cache folder of the user's alone; the calendar the portal or the
    // desktop starts reads it. The last few stay for it, older ones go.
    constexpr int eventsKept = 5;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!PrivateFiles::ensureFolder(folder)) {
        qWarning("Create Event: the folder %s isn't the user's own", qPrintable(folder));
        return;
    }
    const Services* services = Services::load();
    if (!services) return; // the reason is on standard error
    const QDateTime at = m_entries->eventStart();
    const QByteArray invite = services->calendarInvite(m_entries->datedLines(at).join(u'\n'), at);
    const PrivateFiles::Written written =
        PrivateFiles::writeUnique(folder, QStringLiteral("event-"), QStringLiteral(".ics"), invite, eventsKept);
    if (written.path.isEmpty()) {
        qWarning("Create Event: %s", qPrintable(written.error));
        return;
    }
    DefaultApplication::open(written.path);
}

void HoraviaApp::checkForUpdates()
{
    if (m_updater->phase().isBusy() || !m_updater->canReplaceItself()) return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(m_updater.get(), &Updater::checkFinished, this, [this, connection] {
        disconnect(*connection);
        if (m_updater->phase().kind == Updater::Phase::Kind::available) openWindow(WindowId::update);
    });
    m_updater->check(true);
}

void HoraviaApp::togglePanel()
{
    togglePanelAt(m_tray ? m_tray->anchor() : QRect());
}

void HoraviaApp::togglePanelAt(const QRect& anchor)
{
    // The panel shown as a window turns into the popup under the icon.
    const bool open = panelIsPopup() && (m_panel->isVisible() || m_panel->closedByClickWithin(reopenGuardMs));
    ensurePanel(PanelMode::popup);
    if (open) {
        m_panel->hide();
        return;
    }
    showPanelAt(anchor);
}

void HoraviaApp::showPanelAt(const QRect& anchor)
{
    const bool anchored = anchor.isValid() && !anchor.isEmpty();
    const QPoint reference = anchored ? anchor.center() : QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(reference);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();

    m_panel->fitTo(area);
    const QSize size = m_panel->size();
    const bool below = reference.y() < area.center().y();
    const int edgeTop = anchored ? anchor.top() : reference.y();
    const int edgeBottom = anchored ? anchor.bottom() : reference.y();
    int x = reference.x() - size.width() / 2;
    int y = below ? edgeBottom + panelGap : edgeTop - panelGap - size.height();
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - size.width() + 1));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - size.height() + 1));

    m_panel->move(x, y);
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
    m_panel->setFocus(Qt::PopupFocusReason);
}
