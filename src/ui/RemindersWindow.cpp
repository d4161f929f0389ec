#include "RemindersWindow.h"

#include "reminder/ReminderText.h"
#include "reminder/Reminders.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RemindersWindow::RemindersWindow(Reminders& reminders, Edit edit, QWidget* parent)
    : QWidget(parent)
    , m_reminders(reminders)
    , m_editor(std::move(edit))
{
    setWindowTitle(tr("Reminders"));
    resize(520, 360);
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Reminders"));
    m_list->setWordWrap(true);
    m_list->setAlternatingRowColors(true);
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);
    //: Shown in place of the list of reminders while there is none
    m_empty = new QLabel(tr("No reminders. Choose Remind Me… on a time to set one."), this);
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_empty, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_edit = buttons->addButton(tr("&Edit…"), QDialogButtonBox::ActionRole);
    m_delete = buttons->addButton(tr("&Delete"), QDialogButtonBox::DestructiveRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    connect(m_edit, &QPushButton::clicked, this, &RemindersWindow::editCurrent);
    connect(m_delete, &QPushButton::clicked, this, &RemindersWindow::deleteCurrent);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QListWidget::itemActivated, this, &RemindersWindow::editCurrent);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_edit->setEnabled(row >= 0);
        m_delete->setEnabled(row >= 0);
    });
    layout->addWidget(buttons);
    connect(&m_reminders, &Reminders::changed, this, &RemindersWindow::refill);
    refill();
}

void RemindersWindow::refill()
{
    const QString current = currentId();
    m_list->clear();
    QList<Reminder> shown = m_reminders.upcoming();
    // Then those gone by: missed first, the latest delivered after them.
    QList<Reminder> past;
    for (const Reminder& reminder : m_reminders.all())
        if (!reminder.isPending() || reminder.missed) past.append(reminder);
    std::stable_sort(past.begin(), past.end(), [](const Reminder& a, const Reminder& b) {
        return a.missed != b.missed ? a.missed : a.deliveredAt > b.deliveredAt;
    });
    shown << past;
    for (const Reminder& reminder : std::as_const(shown)) {
        QString state;
        if (reminder.missed)
            //: A reminder whose time passed more than a day before Horavia could deliver it
            state = tr("Missed");
        else if (!reminder.isPending())
            state = tr("Delivered");
        else if (reminder.snoozedUntil.isValid())
            state = tr("Snoozed");
        else
            state = ReminderText::lead(reminder.leadMinutes);
        const QString title = reminder.note.isEmpty() ? tr("Reminder") : reminder.note;
        auto* item =
            new QListWidgetItem(title + QStringLiteral(" · ") + state + u'\n' + m_reminders.describe(reminder));
        item->setData(Qt::UserRole, reminder.id);
        if (!reminder.isPending() || reminder.missed) item->setForeground(palette().placeholderText());
        m_list->addItem(item);
        if (reminder.id == current) m_list->setCurrentItem(item);
    }
    m_list->setVisible(m_list->count() > 0);
    m_empty->setVisible(m_list->count() == 0);
    if (!m_list->currentItem() && m_list->count() > 0) m_list->setCurrentRow(0);
    m_edit->setEnabled(m_list->currentItem());
    m_delete->setEnabled(m_list->currentItem());
}

QString RemindersWindow::currentId() const
{
    return m_list->currentItem() ? m_list->currentItem()->data(Qt::UserRole).toString() : QString();
}

void RemindersWindow::editCurrent()
{
    if (const Reminder* reminder = m_reminders.find(currentId()); reminder && m_editor) m_editor(*reminder);
}

void RemindersWindow::deleteCurrent()
{
    const int row = m_list->currentRow();
    m_reminders.remove(currentId());
    if (m_list->count() > 0) m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}

bool RemindersWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            deleteCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
