#pragma once

#include <QList>

class DisplayedTime;
class QAction;
class QKeyEvent;

// The time cursor's commands, as the application makes them: Earlier and
// Later (Left, Right; the other way round in a right-to-left layout, as the
// strip runs), an hour either way (with Shift), a day either way
// (Page Up, Page Down) and Now (Home). The views bind their keys to these.
struct TimeCommands {
    QAction* earlier = nullptr;
    QAction* later = nullptr;
    QAction* hourEarlier = nullptr;
    QAction* hourLater = nullptr;
    QAction* dayEarlier = nullptr;
    QAction* dayLater = nullptr;
    QAction* now = nullptr;

    QList<QAction*> all() const { return {earlier, later, hourEarlier, hourLater, dayEarlier, dayLater, now}; }
    // Runs the command whose shortcut `event` is, or Now for Escape while a
    // time is set. False when the key is none of theirs.
    bool handleKey(const QKeyEvent* event, const DisplayedTime& time) const;
};
