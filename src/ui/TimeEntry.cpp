#include "TimeEntry.h"

#include "Accessibility.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "clock/TimeAnswer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TimeEntry::TimeEntry(const ClockEntries& entries, DisplayedTime& time, QWidget* parent)
    : QWidget(parent)
    , m_entries(entries)
    , m_time(time)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(4);
    m_field = new QLineEdit(this);
    const QStringList examples = TimeAnswer::examples();
    //: The hint of the field where a time is typed; %1 and %2 are examples of typed times
    m_field->setPlaceholderText(tr("A time: %1, %2").arg(examples.value(0), examples.value(1)));
    //: The accessible name of the field where a time is typed
    m_field->setAccessibleName(tr("Type a time"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    layout->addWidget(m_field);
    m_answer = new QLabel(this);
    m_answer->setTextFormat(Qt::PlainText);
    // One meaning to a line, each well within the panel's width; a
    // wrapping label would leave the panel's height to a second layout pass.
    m_answer->setWordWrap(false);
    layout->addWidget(m_answer);
    connect(m_field, &QLineEdit::textChanged, this, &TimeEntry::reread);
    hide();
}

void TimeEntry::begin(const QString& typed)
{
    show();
    m_field->setText(typed);
    m_field->setFocus(Qt::OtherFocusReason);
}

void TimeEntry::reread()
{
    // The word before a time that asks for a reminder: the language's, and English's everywhere.
    //: Typed before a time to set a reminder ("remind 9am Tokyo"): one word, lower case
    const QStringList words{tr("remind"), QStringLiteral("remind")};
    QString typed = m_field->text().trimmed();
    m_reminding = false;
    for (const QString& word : words) {
        if (typed.startsWith(word, Qt::CaseInsensitive) &&
            (typed.size() == word.size() || typed.at(word.size()).isSpace())) {
            typed = typed.mid(word.size()).trimmed();
            m_reminding = true;
            break;
        }
    }
    m_answers = m_entries.answers(typed);
    if (m_reminding)
        for (TimeAnswer::Answer& answer : m_answers)
            if (answer.at.isValid()) {
                //: What Return does on a typed reminder; %1 the time read ("Show 3:00 PM in Tokyo · Thu")
                answer.text = tr("Remind me: %1").arg(answer.text);
                answer.spoken = tr("Remind me: %1").arg(answer.spoken);
            }
    m_choice = 0;
    showAnswers();
}

void TimeEntry::showAnswers()
{
    // One line per meaning, the chosen one marked; the field says the
    // chosen one in words, so a screen reader hears what Return does.
    QStringList lines;
    for (qsizetype i = 0; i < m_answers.size(); ++i)
        lines << ((m_answers.size() > 1 ? (i == m_choice ? QStringLiteral("▸ ") : QStringLiteral("   ")) : QString()) +
                  m_answers.at(i).text);
    if (m_answers.isEmpty() && !m_field->text().trimmed().isEmpty())
        //: %1 and %2 are examples of typed times
        lines << tr("Type a time, such as %1 or %2")
                     .arg(TimeAnswer::examples().value(0), TimeAnswer::examples().value(1));
    m_answer->setText(lines.join(QLatin1Char('\n')));
    const bool choosable = !m_answers.isEmpty() && m_answers.at(m_choice).at.isValid();
    m_answer->setForegroundRole(choosable ? QPalette::WindowText : QPalette::PlaceholderText);
    const QString spoken = m_answers.isEmpty() ? m_answer->text() : m_answers.at(m_choice).spoken;
    m_field->setAccessibleDescription(spoken);
    Accessibility::announce(m_field, spoken);
    m_answer->setAccessibleName(m_answer->text());
    m_answer->setVisible(!lines.isEmpty());
}

void TimeEntry::reset()
{
    m_field->clear();
    hide();
}

void TimeEntry::leave()
{
    reset();
    emit left();
}

bool TimeEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_answers.isEmpty() && m_answers.at(m_choice).at.isValid()) {
            const TimeAnswer::Answer chosen = m_answers.at(m_choice);
            if (m_reminding) {
                leave();
                emit remindRequested(chosen.at, chosen.place);
                return true;
            }
            m_time.setInstant(chosen.at);
            leave();
        }
        return true;
    case Qt::Key_Escape:
        leave();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (m_answers.size() > 1) {
            m_choice = std::clamp(m_choice + (key->key() == Qt::Key_Down ? 1 : -1), 0, int(m_answers.size()) - 1);
            showAnswers();
        }
        return true;
    default:
        return false;
    }
}
