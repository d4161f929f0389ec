#pragma once

#include "agenda/Occurrence.h"

#include <QWidget>

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

private:
    void refresh();
    void present(QToolButton* button, const Occurrence& event, bool next);

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
