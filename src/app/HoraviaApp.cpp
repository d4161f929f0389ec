#include "HoraviaApp.h"

#include "ServicesLoader.h"
#include "StartUp.h"
#include "Tray.h"
#include "TrayClock.h"
#include "UserReminders.h"
#include "agenda/Calendars.h"
#include "catalogue/CityDatabase.h"
#include "clock/Clock.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "clock/TimeLink.h"
#include "platform/ActivationToken.h"
#include "platform/GlobalShortcut.h"
#include "platform/LoginItem.h"
#include "reminder/Reminders.h"
#include "settings/AppSettings.h"
#include "settings/JsonPreferences.h"
#include "ui/Commands.h"
#include "ui/MenuBarPanel.h"
#include "ui/PlanningBar.h"
#include "ui/ReminderSheet.h"
#include "ui/platform/ActivationPolicies.h"
#include "update/UpdateAddresses.h"
#include "update/Updater.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace {

// A click on the tray icon that closes the open panel reaches the icon too;
// within this time after the panel closed, it must not reopen it.
constexpr qint64 reopenGuardMs = 100;
// How long a start that opens the panel, or shows only the icon, waits for a
// tray to show the icon: longer than an X11 tray takes to embed it, short
// enough that on a desktop with none the window soon comes instead.
constexpr std::chrono::milliseconds trayWait{2000};
// How long a launch's window waits for a StatusNotifier host to read the
// icon: hosts ask within a few milliseconds of the item's registering; a
// watcher with no host never does.
constexpr std::chrono::milliseconds hostWait{60};

} // namespace

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
    m_time = std::make_unique<DisplayedTime>(
        *m_clock, [settings = m_settings.get()] { return settings->value<int>(SettingKey::timeStepMinutes); });
    m_entries = std::make_unique<ClockEntries>(*m_settings, CityDatabase::shared(), *m_time);
    m_updater = std::make_unique<Updater>(*m_preferences, UpdateAddresses::notes(), UpdateAddresses::payload(),
                                          ServicesUse::updateHost());
    m_activationPolicy = ActivationPolicies::forPlatform();

    Commands::Shell shell;
    shell.openWindow = [this](WindowId id) { openWindow(id); };
    shell.showClocks = [this] { togglePanel(); };
    shell.createEvent = [this] {
        const QDateTime at = m_entries->eventStart();
        ServicesUse::openEvent(m_entries->datedLines(at), at);
    };
    shell.remind = [this](const Reminder& proposal) { openReminderSheet(proposal); };
    m_userReminders = std::make_unique<UserReminders>(*m_entries);
    connect(m_clock.get(), &Clock::nowChanged, &reminders(), &Reminders::homeMayHaveChanged);
    connect(&reminders(), &Reminders::showRequested, this, [this](const QDateTime& at) {
        m_time->setInstant(at);
        openClocks();
    });
    connect(&reminders(), &Reminders::undelivered, this, &HoraviaApp::sayInPanel);
    // The list of calendars is a small file; the calendars themselves are read after the first frame.
    m_calendarList = std::make_unique<CalendarList>();
    m_calendars = std::make_unique<Calendars>(*m_calendarList, *m_time);
    m_commands = std::make_unique<Commands>(*m_time, *m_entries, *m_updater, std::move(shell), m_calendars.get());

    addWindows();
}

HoraviaApp::~HoraviaApp() = default;

void HoraviaApp::start(StartReason reason, const QString& address)
{
    // The icon first: the panel and the menu are built once it is up. An X11
    // tray may start after the application and Qt then shows the icon; on
    // other platforms (a Wayland session) only a StatusNotifier tray present
    // now is ever used, so without one there is no icon to make.
    m_tray = Tray::make(m_commands->showClocks(), m_commands->trayMenu(), this);
    if (m_tray) {
        connect(m_tray.get(), &Tray::activated, this, &HoraviaApp::togglePanelAt);
        connect(m_tray.get(), &Tray::middleClicked, m_commands->time().now, &QAction::trigger);
        connect(m_tray.get(), &Tray::scrolled, m_time.get(), [this](int angleDelta) { m_time->turn({0, angleDelta}); });
        connect(m_settings.get(), &AppSettings::changed, this, [this](SettingKey key) {
            if (key == SettingKey::showsMenuBarItem) updateTrayVisibility();
        });
        m_trayClock = std::make_unique<TrayClock>(*m_tray, *m_settings, *m_clock, *m_time, *m_entries);
        updateTrayVisibility();
    }
    StartUp::prepareFirstWindow();
    // "Show Clocks" as a desktop-wide key, where the desktop's portal binds one.
    m_shortcut = std::make_unique<GlobalShortcut>(QStringLiteral("org.horavia.Horavia"), QStringLiteral("show-clocks"),
                                                  //: Opens the tray's panel of clocks
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
        if (m_tray && m_settings->value<bool>(SettingKey::showsMenuBarItem) && reason != StartReason::launched)
            m_tray->whenShown(trayWait, this, [this, reason, address](bool shown) { act(reason, address, shown); });
        else if (m_tray)
            // The window after the icon: a host asks for it just after the
            // item registers, and would wait for the window to be made.
            m_tray->afterHostReadIcon(hostWait, this, [this, reason, address] {
                act(reason, address, m_settings->value<bool>(SettingKey::showsMenuBarItem));
            });
        else
            act(reason, address, false);
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
    if (m_trayClock) m_trayClock->refresh();
    // What came due while Horavia was not running, at once: a start at
    // login may draw nothing.
    reminders().replan();
    StartUp::afterFirstFrame(this, [this, iconShown] {
        // The portal is asked once the first frame is up, not before.
        m_shortcut->start();
        StartUp::prepareSearch();
        m_calendars->load();
        if (!iconShown || !m_tray->isShown()) return;
        ensurePanel(PanelMode::popup);
        m_panel->prepare();
    });
}

void HoraviaApp::ensurePanel(PanelMode mode)
{
    if (m_panel && mode == m_panelMode) return;
    if (!m_panel) {
        m_panel = std::make_unique<MenuBarPanel>(*m_settings, *m_time, *m_entries, *m_commands, m_calendars.get());
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

void HoraviaApp::updateTrayVisibility()
{
    if (!m_tray) return;
    m_tray->setVisible(m_settings->value<bool>(SettingKey::showsMenuBarItem));
    if (!m_settings->value<bool>(SettingKey::showsMenuBarItem) && panelIsPopup()) m_panel->hide();
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
    openClocks();
}

void HoraviaApp::showPanelWindow()
{
    ensurePanel(PanelMode::window);
    m_panel->showAsWindow();
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
        if (!m_panel->isVisible()) m_panel->showAt(m_tray->anchor());
        return;
    }
    showPanelWindow();
}

void HoraviaApp::openReminderSheet(const Reminder& proposal)
{
    if (panelIsPopup()) m_panel->hide();
    if (m_reminderSheet) m_reminderSheet->close();
    m_reminderSheet = new ReminderSheet(reminders(), *m_entries, proposal);
    m_reminderSheet->setAttribute(Qt::WA_DeleteOnClose);
    m_reminderSheet->winId();
    m_activationPolicy->adopt(m_reminderSheet->windowHandle());
    m_reminderSheet->show();
    m_reminderSheet->raise();
    m_reminderSheet->activateWindow();
    if (m_policyApplied) m_activationPolicy->activate(m_reminderSheet->windowHandle());
}

void HoraviaApp::sayInPanel(const QString& title, const QString& body)
{
    ensurePanel(m_panel ? m_panelMode : PanelMode::popup);
    m_panel->planning()->say(title + QStringLiteral(" · ") + body.section(u'\n', 0, 0));
    if (m_tray && m_tray->isVisible() && m_tray->isShown())
        m_tray->setNeedsAttention(true);
    else
        showPanelWindow(); // nowhere to draw the eye to: the panel itself
}

void HoraviaApp::openLink(const QString& address)
{
    const TimeLink::Opened opened = TimeLink::read(address, m_time->now(), DisplayedTime::rangeSeconds);
    if (opened.at.isValid()) m_time->setInstant(opened.at);
    openClocks();
    if (!opened.at.isValid()) m_panel->planning()->say(opened.error);
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
    if (m_tray) m_tray->setNeedsAttention(false);
    m_panel->showAt(anchor);
}

Reminders& HoraviaApp::reminders() const
{
    return m_userReminders->reminders();
}
