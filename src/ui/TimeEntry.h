#pragma once

#include "clock/TimeAnswer.h"

#include <QWidget>

class ClockEntries;
class DisplayedTime;
class QLabel;
class QLineEdit;

// The panel's field for a typed time ("3pm Tokyo"), hidden until the user
// types. A time typed after "remind" sets a reminder. Under it, the reading, or why there is none; with several
// meanings Up and Down choose. Return shows the chosen time; Escape leaves.
class TimeEntry : public QWidget {
    Q_OBJECT

public:
    TimeEntry(const ClockEntries& entries, DisplayedTime& time, QWidget* parent = nullptr);

    // Shows the field with the text typed so far and gives it the focus.
    void begin(const QString& typed);
    // Empty and hidden again, as before the first key.
    void reset();
    QLineEdit* field() const { return m_field; }
    QLabel* answer() const { return m_answer; }

signals:
    // The field closed (Return or Escape); the focus goes back.
    void left();
    // Return on a time typed after "remind" ("remind 9am Tokyo").
    void remindRequested(const QDateTime& at, const TimePhrase::Place& place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reread();
    void showAnswers();
    void leave();

    const ClockEntries& m_entries;
    DisplayedTime& m_time;
    QLineEdit* m_field = nullptr;
    QLabel* m_answer = nullptr;
    QList<TimeAnswer::Answer> m_answers;
    int m_choice = 0;
    bool m_reminding = false;
};
