#pragma once

#include "agenda/Occurrence.h"
#include "reminder/Reminder.h"

#include <QWidget>

#include <functional>
#include <optional>

class Calendars;
class ClockEntries;
class DisplayedTime;
class QLabel;
class QToolButton;
class QVBoxLayout;

// Above the clocks, while a calendar is on: the next event (its colour, its
// title, when it starts in home time and how far off that is) and, on
// demand, the rest of today's. Choosing one sets the time to its start, so
// that every clock shows that instant and whether its city is at work then.
class AgendaView : public QWidget {
    Q_OBJECT

public:
    AgendaView(Calendars& calendars, DisplayedTime& time, const ClockEntries& entries, QWidget* parent = nullptr);

    // What a screen reader says of it when its window opens; empty while hidden.
    QString spoken() const;
    QToolButton* nextButton() const { return m_next; }
    QToolButton* dayButton() const { return m_day; }
    QList<QToolButton*> dayEvents() const { return m_dayEvents; }

signals:
    // Its height changed (the day's list opened or closed, an event came or went).
    void resized();
    // "Remind Me…" on an event's menu (a right click, the Menu key): a
    // reminder at its start, with its title.
    void remindRequested(const Reminder& proposal);

private:
    void refresh();
    void present(QToolButton* button, const Occurrence& event, bool next);
    // The menu of the event a button shows: Remind Me….
    void offerMenu(QToolButton* button, std::function<std::optional<Occurrence>()> event);

    Calendars& m_calendars;
    DisplayedTime& m_time;
    const ClockEntries& m_entries;
    QToolButton* m_next = nullptr;
    QToolButton* m_day = nullptr;
    QLabel* m_none = nullptr;
    QVBoxLayout* m_dayLayout = nullptr;
    QList<QToolButton*> m_dayEvents;
    QList<Occurrence> m_shownDay;
};
