#pragma once

#include "TimeCommands.h"

#include <QWidget>

class AppSettings;
class ClockEntries;
class DisplayedTime;
class QAction;
class QLabel;
class QToolButton;
class TimeStrip;

// The time strip with the line under it: the chosen time with its date and
// its distance from now, what Next Overlap found, "Now" and "Next Overlap".
class PlanningBar : public QWidget {
    Q_OBJECT

public:
    PlanningBar(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries, QAction* nextOverlap,
                const TimeCommands& commands, QWidget* parent = nullptr);

    TimeStrip* strip() const { return m_strip; }
    QLabel* line() const { return m_line; }
    // What Next Overlap found, under the line.
    QLabel* note() const { return m_note; }
    QToolButton* nowButton() const { return m_now; }
    // A line of news in the note's place (a link that could not be opened),
    // until the time shown changes.
    void say(const QString& message);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void announce();

    DisplayedTime& m_time;
    const ClockEntries& m_entries;
    TimeStrip* m_strip = nullptr;
    QLabel* m_line = nullptr;
    QLabel* m_note = nullptr;
    QToolButton* m_now = nullptr;
    QString m_message;
};
