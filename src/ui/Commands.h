#pragma once

#include "TimeCommands.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>

#include <functional>

class Calendars;
class ClockEntries;
class DisplayedTime;
class QAction;
class Updater;
struct Reminder;

// The application's commands, one QAction each, shared by the tray menu,
// the panel, the chooser's menu and the keys, so that a title, a shortcut or
// an enabled state is decided once. Each acts on what it names: the time,
// the clocks, the updater; only what the running application alone can do
// (open a window, the panel, an event file) is asked of it.
class Commands : public QObject {
    Q_OBJECT

public:
    struct Shell {
        std::function<void(WindowId)> openWindow;
        std::function<void()> showClocks;
        std::function<void()> createEvent;
        // Opens the sheet that sets a reminder, with this time proposed.
        std::function<void(const Reminder&)> remind;
        std::function<void()> quit = &QCoreApplication::quit;
    };

    // Next Event acts on `calendars`; without them it never shows.
    Commands(DisplayedTime& time, ClockEntries& entries, Updater& updater, Shell shell, Calendars* calendars = nullptr,
             QObject* parent = nullptr);

    // Opens the tray's panel.
    QAction* showClocks() const { return m_showClocks; }
    // "A New Version Is Available": visible only while an update is available.
    QAction* showUpdate() const { return m_showUpdate; }
    QAction* chooseCities() const { return m_chooseCities; }
    QAction* settings() const { return m_settings; }
    QAction* about() const { return m_about; }
    // Checks, then opens the update window when an update was found.
    // Disabled while a check, download or install runs.
    QAction* checkForUpdates() const { return m_checkForUpdates; }
    // Ctrl+Q.
    QAction* quit() const { return m_quit; }
    // Moves the time to when everyone is at work next (Ctrl+O).
    QAction* nextOverlap() const { return m_nextOverlap; }
    // Moves the time to the next event's start in the user's calendars (Ctrl+J); shown while a calendar is on.
    QAction* nextEvent() const { return m_nextEvent; }
    // Every clock's time at the displayed instant on the clipboard, one line.
    QAction* copyTimes() const { return m_copyTimes; }
    // The displayed instant as a horavia: address on the clipboard.
    QAction* copyLink() const { return m_copyLink; }
    // An iCalendar event at the displayed instant, opened in the calendar.
    QAction* createEvent() const { return m_createEvent; }
    // A reminder at the displayed time (at the next step while live) (Ctrl+R).
    QAction* remindMe() const { return m_remindMe; }
    // The window that lists the reminders.
    QAction* reminders() const { return m_reminders; }
    // The sheet for a reminder at a time read elsewhere (a typed phrase, an event).
    void remind(const Reminder& proposal) const;
    // Earlier, Later, an hour or a day either way, and Now.
    const TimeCommands& time() const { return m_time; }

    // The menus, in order; null marks a separator.
    QList<QAction*> trayMenu() const;
    QList<QAction*> panelMenu() const;

private:
    void checkUpdates();
    void followPhase();

    Updater& m_updater;
    Shell m_shell;
    QAction* m_showClocks;
    QAction* m_showUpdate;
    QAction* m_chooseCities;
    QAction* m_settings;
    QAction* m_about;
    QAction* m_checkForUpdates;
    QAction* m_quit;
    QAction* m_nextOverlap;
    QAction* m_nextEvent;
    QAction* m_copyTimes;
    QAction* m_copyLink;
    QAction* m_createEvent;
    QAction* m_remindMe;
    QAction* m_reminders;
    TimeCommands m_time;
};
