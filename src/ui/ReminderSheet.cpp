#include "ReminderSheet.h"

#include "Controls.h"
#include "clock/ClockEntries.h"
#include "reminder/ReminderText.h"
#include "reminder/Reminders.h"
#include "text/LocaleText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A place as a reminder names it: the city without its region ("Tokyo" for
// "Tokyo, Tokyo"), as it reads in "Tokyo time".
QString shortName(const QString& title)
{
    return title.section(QStringLiteral(", "), 0, 0);
}

// A labelled row whose control is named by its label, without the mnemonic
// and the colon: a combo box would otherwise be read by its current choice alone.
void addRow(QFormLayout* form, const QString& label, QWidget* control)
{
    form->addRow(label, control);
    QString name = Controls::withoutMnemonic(label).trimmed();
    while (!name.isEmpty() && (name.back() == u':' || name.back() == u'\uff1a' || name.back().isSpace()))
        name.chop(1);
    control->setAccessibleName(name);
}

} // namespace

ReminderSheet::ReminderSheet(Reminders& reminders, const ClockEntries& entries, const Reminder& proposal,
                             QWidget* parent)
    : QDialog(parent)
    , m_reminders(reminders)
    , m_entries(entries)
    , m_proposal(proposal)
    , m_instant(proposal.instant(entries.homeZone()))
{
    //: Title of the window that sets a reminder
    setWindowTitle(proposal.id.isEmpty() ? tr("Remind Me") : tr("Edit Reminder"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    //: Above the set time as it reads in each tracked city
    auto* heading = new QLabel(tr("The time in your cities"), this);
    QFont headline = heading->font();
    headline.setWeight(QFont::DemiBold);
    heading->setFont(headline);
    layout->addWidget(heading);
    m_times = new QLabel(this);
    m_times->setTextFormat(Qt::PlainText);
    m_times->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_times->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_times);

    auto* form = new QFormLayout;
    m_keptIn = new QComboBox(this);
    //: The choice of whose clock a reminder keeps to when the user travels
    m_keptIn->addItem(tr("My own time zone (follows me)"), QString());
    for (const ClockEntry& entry : entries.entries()) {
        if (entry.kind != ClockEntry::Kind::tracked || !entry.timeZone.isValid()) continue;
        const QString zone = QString::fromUtf8(entry.timeZone.id());
        if (m_keptIn->findData(zone) >= 0) continue;
        //: A city whose clock a reminder keeps to: "Tokyo time"
        m_keptIn->addItem(tr("%1 time").arg(shortName(entry.title)), zone);
        m_keptIn->setItemData(m_keptIn->count() - 1, shortName(entry.title), Qt::UserRole + 1);
    }
    if (!proposal.zone.isEmpty() && m_keptIn->findData(proposal.zone) < 0) {
        const QString place = shortName(proposal.place.isEmpty() ? proposal.zone.section(u'/', -1) : proposal.place);
        m_keptIn->addItem(tr("%1 time").arg(place), proposal.zone);
        m_keptIn->setItemData(m_keptIn->count() - 1, place, Qt::UserRole + 1);
    }
    m_keptIn->setCurrentIndex(std::max(0, m_keptIn->findData(proposal.zone)));
    //: A form label: the zone whose clock the reminder keeps to
    addRow(form, tr("&Keep to:"), m_keptIn);

    m_lead = new QComboBox(this);
    for (int minutes : ReminderFile::leads)
        m_lead->addItem(ReminderText::lead(minutes), minutes);
    m_lead->setCurrentIndex(std::max(0, m_lead->findData(proposal.leadMinutes)));
    //: A form label: how long before the time the reminder comes
    addRow(form, tr("&Remind:"), m_lead);

    m_note = new QLineEdit(proposal.note, this);
    m_note->setMaxLength(ReminderFile::longestNote);
    //: Placeholder of a reminder's note
    m_note->setPlaceholderText(tr("Optional"));
    addRow(form, tr("&Note:"), m_note);
    layout->addLayout(form);

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_status);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    //: The button that sets a reminder
    m_remind = buttons->addButton(tr("Remind Me"), QDialogButtonBox::AcceptRole);
    m_remind->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_lead, &QComboBox::currentIndexChanged, this, &ReminderSheet::refresh);
    connect(m_keptIn, &QComboBox::currentIndexChanged, this, &ReminderSheet::refresh);
    refresh();
    m_lead->setFocus();
}

Reminder ReminderSheet::chosen() const
{
    const QString zone = m_keptIn->currentData().toString();
    Reminder reminder = Reminder::at(m_instant, zone.isEmpty() ? QTimeZone() : QTimeZone(zone.toUtf8()),
                                     m_keptIn->currentData(Qt::UserRole + 1).toString(), m_entries.homeZone());
    reminder.id = m_proposal.id;
    reminder.leadMinutes = m_lead->currentData().toInt();
    reminder.note = m_note->text().trimmed();
    return reminder;
}

void ReminderSheet::refresh()
{
    m_times->setText(m_entries.datedLines(m_instant).join(u'\n'));
    m_times->setAccessibleName(m_times->text());
    const Reminder reminder = chosen();
    const bool past =
        !reminder.due(m_entries.homeZone()).isValid() || reminder.due(m_entries.homeZone()) <= m_reminders.now();
    m_remind->setEnabled(!past);
    m_status->setText(
        past ? tr("That time has passed. Choose a later time or a shorter lead.")
             : tr("Reminders come while Horavia runs. A computer asleep is not woken for them: they come, marked "
                  "late, when it wakes."));
    m_status->setAccessibleName(m_status->text());
}

void ReminderSheet::accept()
{
    if (!m_remind->isEnabled()) return;
    m_reminders.set(chosen());
    QDialog::accept();
}
