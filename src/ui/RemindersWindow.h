#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class Reminders;
struct Reminder;

// "Reminders…": every reminder, in home time and in its own zone, with
// what became of it; Edit opens the sheet again, Delete removes it.
class RemindersWindow : public QWidget {
    Q_OBJECT

public:
    using Edit = std::function<void(const Reminder&)>;
    RemindersWindow(Reminders& reminders, Edit edit, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refill();
    void editCurrent();
    void deleteCurrent();
    QString currentId() const;

    Reminders& m_reminders;
    Edit m_editor;
    QListWidget* m_list = nullptr;
    QLabel* m_empty = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};
