#pragma once

#include "WindowRegistry.h"
#include "clock/DisplayedTime.h"
#include "ui/TimeCommands.h"

#include <QObject>

#include <functional>

class QAction;
class Updater;

// The application's commands, one QAction each, shared by the tray menu,
// the panel and the windows' menus, so that a title, a shortcut or an
// enabled state is decided once.
class Commands : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        std::function<void(WindowId)> openWindow;
        std::function<void()> checkForUpdates;
        std::function<void()> quit;
        std::function<void()> nextOverlap;
        std::function<void()> copyTimes;
        std::function<void()> copyLink;
        std::function<void()> createEvent;
        std::function<void(DisplayedTime::Move)> moveTime;
        std::function<void()> showNow;
        std::function<void()> showClocks;
    };

    Commands(const Updater& updater, Handlers handlers, QObject* parent = nullptr);

    // Opens the tray's panel.
    QAction* showClocks() const { return m_showClocks; }
    // "A New Version Is Available": visible only while an update is available.
    QAction* showUpdate() const { return m_showUpdate; }
    QAction* chooseCities() const { return m_chooseCities; }
    QAction* settings() const { return m_settings; }
    QAction* about() const { return m_about; }
    // Disabled while a check, download or install runs.
    QAction* checkForUpdates() const { return m_checkForUpdates; }
    // Ctrl+Q.
    QAction* quit() const { return m_quit; }
    // Moves the time to when everyone is at work next (Ctrl+O).
    QAction* nextOverlap() const { return m_nextOverlap; }
    // Every clock's time at the displayed instant on the clipboard, one line.
    QAction* copyTimes() const { return m_copyTimes; }
    // The displayed instant as a horavia: address on the clipboard.
    QAction* copyLink() const { return m_copyLink; }
    // An iCalendar event at the displayed instant, opened in the calendar.
    QAction* createEvent() const { return m_createEvent; }
    // Earlier, Later, an hour or a day either way, and Now.
    const TimeCommands& time() const { return m_time; }

private:
    void followPhase();

    const Updater& m_updater;
    QAction* m_showClocks;
    QAction* m_showUpdate;
    QAction* m_chooseCities;
    QAction* m_settings;
    QAction* m_about;
    QAction* m_checkForUpdates;
    QAction* m_quit;
    QAction* m_nextOverlap;
    QAction* m_copyTimes;
    QAction* m_copyLink;
    QAction* m_createEvent;
    TimeCommands m_time;
};
