#pragma once

#include <QGroupBox>

class Calendars;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// Settings' "Calendars": each source with its switch and, when it reads
// nothing, why; adding a file, a folder or a subscription; removing one;
// whether all-day events count as the next event.
class CalendarSettings : public QGroupBox {
    Q_OBJECT

public:
    explicit CalendarSettings(Calendars& calendars, QWidget* parent = nullptr);

    QListWidget* sources() const { return m_sources; }
    QPushButton* removeButton() const { return m_remove; }
    // Adds a subscription as if typed in its dialog; false when the address is refused.
    bool subscribe(const QString& address);

private:
    void refresh();
    void addFile();
    void addFolder();
    void askAddress();

    Calendars& m_calendars;
    QListWidget* m_sources = nullptr;
    QLabel* m_empty = nullptr;
    QLabel* m_refusal = nullptr;
    QPushButton* m_remove = nullptr;
    QCheckBox* m_allDay = nullptr;
};
