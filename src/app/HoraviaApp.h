#pragma once

#include "ui/WindowRegistry.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ActivationPolicy;
class AppSettings;
class Clock;
class ClockEntries;
class Commands;
class Calendars;
class CalendarList;
class DisplayedTime;
class JsonPreferences;
class LoginItem;
class MenuBarPanel;
class ReminderSheet;
class Reminders;
struct Reminder;
class QMenu;
class GlobalShortcut;
class Tray;
class UserReminders;
class TrayClock;
class Updater;

// The running application: creates the settings, the clock and the updater
// once, in that order, and keeps them for the life of the process; puts the
// icon in the tray with its panel; opens windows by identifier. Closing
// windows never quits; "Quit Horavia" or an installed update does.
class HoraviaApp : public QObject {
    Q_OBJECT

public:
    explicit HoraviaApp(QObject* parent = nullptr);
    ~HoraviaApp() override;

    // linked: with an address to open (a shared time).
    enum class StartReason { launched, atLogin, toggled, linked };
    // Shows the tray icon and, unless started at login, the main window.
    void start(StartReason reason = StartReason::launched, const QString& address = QString());

    AppSettings& settings() { return *m_settings; }
    Clock& clock() { return *m_clock; }
    DisplayedTime& displayedTime() { return *m_time; }
    Updater& updater() { return *m_updater; }
    WindowRegistry& windows() { return m_windows; }
    const Commands& commands() const { return *m_commands; }

    // Brings the application forward and opens the window; identifiers
    // without a window open nothing.
    void openWindow(WindowId id);
    // The main window; until there is one, the panel as an ordinary window,
    // so the clocks stay within reach without a tray icon.
    void presentMainWindow();

    // The tray panel, shown under the tray icon (or at the pointer).
    void togglePanel();
    // As togglePanel(), or the panel as a window where no tray shows the icon
    // (horavia --toggle, the global shortcut).
    void toggleClocks();
    // Opens the panel at a shared time ("horavia:?at=…"); an address it
    // cannot take changes nothing, and the panel's line says why.
    void openLink(const QString& address);
    // As togglePanel(), under `anchor` (a point, the icon) where known.
    void togglePanelAt(const QRect& anchor);
    MenuBarPanel* panel() const { return m_panel.get(); }

private:
    enum class PanelMode { popup, window };

    void addWindows();
    // What a start shows, once the tray has shown the icon or not.
    void act(StartReason reason, const QString& address, bool iconShown);
    void ensurePanel(PanelMode mode);
    bool panelIsPopup() const;
    void updateTrayVisibility();
    void showPanelWindow();
    // The panel, opened (never closed): under the icon, else as a window.
    void openClocks();
    // The sheet that sets (or edits) a reminder, one at a time.
    void openReminderSheet(const Reminder& proposal);
    // A reminder nothing else could show: in the panel, with the icon asking for a look.
    void sayInPanel(const QString& title, const QString& body);
    Reminders& reminders() const;

    std::unique_ptr<JsonPreferences> m_preferences;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<DisplayedTime> m_time;
    std::unique_ptr<CalendarList> m_calendarList;
    std::unique_ptr<Calendars> m_calendars;
    std::unique_ptr<ClockEntries> m_entries;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<UserReminders> m_userReminders;
    QPointer<ReminderSheet> m_reminderSheet;
    std::unique_ptr<ActivationPolicy> m_activationPolicy;
    std::unique_ptr<Commands> m_commands;
    WindowRegistry m_windows;
    bool m_policyApplied = false;
    PanelMode m_panelMode = PanelMode::popup;

    std::unique_ptr<Tray> m_tray;
    std::unique_ptr<TrayClock> m_trayClock;
    std::unique_ptr<GlobalShortcut> m_shortcut;
    std::unique_ptr<MenuBarPanel> m_panel;
};
