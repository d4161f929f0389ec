#include "PlanningBar.h"

#include "Accessibility.h"
#include "Controls.h"
#include "TimeStrip.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "settings/AppSettings.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

PlanningBar::PlanningBar(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries, QAction* nextOverlap,
                         const TimeCommands& commands, QWidget* parent)
    : QWidget(parent)
    , m_time(time)
    , m_entries(entries)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 2);
    layout->setSpacing(2);
    m_strip = new TimeStrip(settings, time, entries, commands, this);
    layout->addWidget(m_strip);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 8, 0);
    m_line = new QLabel(this);
    m_line->setWordWrap(true);
    m_line->setFont(Controls::scaled(m_line->font(), Controls::caption));
    m_line->setTextInteractionFlags(Qt::NoTextInteraction);
    row->addWidget(m_line, 1);
    m_now = new QToolButton(this);
    //: Goes back from a chosen time to the current time
    m_now->setText(tr("Now"));
    //: Goes back from a chosen time to the current time
    m_now->setAccessibleName(tr("Now"));
    //: %1 is the key, as Qt names it in the language ("Home")
    m_now->setToolTip(
        tr("Back to the current time (%1)").arg(QKeySequence(Qt::Key_Home).toString(QKeySequence::NativeText)));
    m_now->setFocusPolicy(Qt::TabFocus);
    connect(m_now, &QToolButton::clicked, &m_time, &DisplayedTime::goLive);
    row->addWidget(m_now);
    if (nextOverlap) {
        auto* overlap = new QToolButton(this);
        overlap->setDefaultAction(nextOverlap);
        overlap->setToolButtonStyle(Qt::ToolButtonTextOnly);
        overlap->setFocusPolicy(Qt::TabFocus);
        row->addWidget(overlap);
    }
    layout->addLayout(row);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setFont(m_line->font());
    m_note->setContentsMargins(8, 0, 8, 0);
    m_note->hide();
    layout->addWidget(m_note);

    // News stays through live ticks, not past a time of the user's choosing.
    // A time the user chose is said as it changes (a live minute's turn is not).
    connect(&m_time, &DisplayedTime::instantChanged, this, [this] {
        if (!m_time.isLive()) {
            m_message.clear();
            announce();
        }
        refresh();
    });
    connect(&m_time, &DisplayedTime::liveChanged, this, [this] {
        m_message.clear();
        refresh();
        if (m_time.isLive()) announce();
    });
    connect(&m_time, &DisplayedTime::ticked, this, &PlanningBar::refresh);
    refresh();
}

void PlanningBar::say(const QString& message)
{
    m_message = message;
    refresh();
    Accessibility::announce(this, message);
}

void PlanningBar::announce()
{
    const QString time = TimeStrip::spokenTime(m_time, m_entries);
    const QString note = m_time.note();
    Accessibility::announce(this, note.isEmpty() ? time : QStringLiteral("%1. %2").arg(time, note));
}

void PlanningBar::hideEvent(QHideEvent* event)
{
    m_message.clear();
    refresh();
    QWidget::hideEvent(event);
}

void PlanningBar::refresh()
{
    QString text;
    if (!m_time.isLive()) text = m_entries.formatter().chosenInstantText(m_time.instant(), m_time.now());
    m_now->setVisible(!m_time.isLive());
    const QString note = m_message.isEmpty() ? m_time.note() : m_message;
    if (m_note->text() != note) {
        m_note->setText(note);
        m_note->setAccessibleName(note);
        m_note->setVisible(!note.isEmpty());
        if (QAccessible::isActive() && !note.isEmpty()) {
            QAccessibleEvent said(m_note, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&said);
        }
    }
    if (text == m_line->text()) return;
    m_line->setText(text);
    m_line->setAccessibleName(text);
    if (QAccessible::isActive() && !text.isEmpty()) {
        QAccessibleEvent changed(m_line, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
