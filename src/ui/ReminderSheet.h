#pragma once

#include "reminder/Reminder.h"

#include <QDialog>

class ClockEntries;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Reminders;

// "Remind Me…": a time as it reads in every tracked city, the zone it is
// kept in, how long before it to ring, and a note. Edits an existing
// reminder the same way.
class ReminderSheet : public QDialog {
    Q_OBJECT

public:
    // `proposal`: the time (day and time in its zone, or at home), and for
    // an edit its id, lead and note.
    ReminderSheet(Reminders& reminders, const ClockEntries& entries, const Reminder& proposal,
                  QWidget* parent = nullptr);

    QComboBox* keptIn() const { return m_keptIn; }
    QComboBox* lead() const { return m_lead; }
    QLineEdit* note() const { return m_note; }
    QPushButton* remind() const { return m_remind; }

    void accept() override;

private:
    Reminder chosen() const;
    void refresh();

    Reminders& m_reminders;
    const ClockEntries& m_entries;
    Reminder m_proposal;
    QDateTime m_instant;
    QLabel* m_times = nullptr;
    QLabel* m_status = nullptr;
    QComboBox* m_keptIn = nullptr;
    QComboBox* m_lead = nullptr;
    QLineEdit* m_note = nullptr;
    QPushButton* m_remind = nullptr;
};
