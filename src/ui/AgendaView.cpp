#include "AgendaView.h"

#include "Controls.h"
#include "agenda/AgendaText.h"
#include "agenda/Calendars.h"
#include "clock/ClockEntries.h"
#include "clock/ClockFormatter.h"
#include "clock/DisplayedTime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* eventButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

AgendaView::AgendaView(Calendars& calendars, DisplayedTime& time, const ClockEntries& entries, QWidget* parent)
    : QWidget(parent)
    , m_calendars(calendars)
    , m_time(time)
    , m_entries(entries)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    auto* row = new QHBoxLayout;
    m_next = eventButton(this);
    row->addWidget(m_next, 1);
    m_none = new QLabel(this);
    //: Beside the clocks, when the user's calendars have no event ahead this week
    m_none->setText(tr("No upcoming events"));
    m_none->setForegroundRole(QPalette::PlaceholderText);
    m_none->setContentsMargins(8, 4, 8, 4);
    row->addWidget(m_none, 1);
    m_day = new QToolButton(this);
    m_day->setCheckable(true);
    m_day->setAutoRaise(true);
    m_day->setFocusPolicy(Qt::StrongFocus);
    row->addWidget(m_day);
    layout->addLayout(row);
    m_dayLayout = new QVBoxLayout;
    m_dayLayout->setContentsMargins(12, 0, 0, 0);
    m_dayLayout->setSpacing(0);
    layout->addLayout(m_dayLayout);

    connect(m_next, &QToolButton::clicked, this, [this] {
        if (const auto next = m_calendars.nextEvent()) m_time.setInstant(next->start, AgendaText::title(*next));
    });
    offerMenu(m_next, [this] { return m_calendars.nextEvent(); });
    connect(m_day, &QToolButton::toggled, this, &AgendaView::refresh);
    connect(&m_calendars.agenda(), &Agenda::changed, this, &AgendaView::refresh);
    connect(&m_calendars.list(), &CalendarList::changed, this, &AgendaView::refresh);
    // "in 25 minutes" follows the clock; nothing else moves between changes.
    connect(&m_time, &DisplayedTime::ticked, this, &AgendaView::refresh);
    refresh();
}

void AgendaView::present(QToolButton* button, const Occurrence& event, bool next)
{
    const QDateTime now = m_time.now();
    const ClockFormatter formatter = m_entries.formatter();
    //: An event beside the clocks: its title, its start in home time and how far off it is ("Standup · 1:00 PM · in 25
    //: minutes")
    const QString text =
        tr("%1 · %2 · %3")
            .arg(AgendaText::title(event), AgendaText::start(event, formatter, now), AgendaText::distance(event, now));
    if (button->text() != text) {
        button->setText(text);
        button->setAccessibleName(AgendaText::spoken(event, formatter, now, next));
        button->setToolTip(tr("Show the clocks at its start"));
    }
    button->setIcon(Controls::colourDot(event.colour, palette()));
}

void AgendaView::offerMenu(QToolButton* button, std::function<std::optional<Occurrence>()> event)
{
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this, [this, button, event = std::move(event)](QPoint at) {
        const std::optional<Occurrence> shown = event();
        if (!shown) return;
        QMenu menu(button);
        //: On an event's menu: sets a reminder at its start
        menu.addAction(tr("Remind Me…"), this, [this, shown] {
            Reminder proposal = Reminder::at(shown->start, {}, {}, m_time.homeZone());
            proposal.note = AgendaText::title(*shown);
            emit remindRequested(proposal);
        });
        menu.exec(button->mapToGlobal(at));
    });
}

void AgendaView::refresh()
{
    const bool on = m_calendars.list().anyEnabled();
    setVisible(on);
    if (!on) return;
    const std::optional<Occurrence> next = m_calendars.nextEvent();
    m_next->setVisible(bool(next));
    m_none->setVisible(!next);
    if (next) present(m_next, *next, true);

    QList<Occurrence> rest = m_calendars.agenda().restOfDay(m_time.now(), m_time.homeZone());
    if (next) rest.removeIf([&next](const Occurrence& o) { return o == *next; });
    //: Shows or hides the rest of today's events; %n is how many
    m_day->setText(tr("Today (%n)", nullptr, int(rest.size())));
    //: Shows or hides the rest of today's events
    m_day->setAccessibleName(tr("Today's events: %n", nullptr, int(rest.size())));
    m_day->setVisible(!rest.isEmpty());
    const int wanted = m_day->isChecked() ? int(rest.size()) : 0;
    const int had = int(m_dayEvents.size());
    while (m_dayEvents.size() > wanted)
        delete m_dayEvents.takeLast();
    while (m_dayEvents.size() < wanted) {
        auto* button = eventButton(this);
        m_dayLayout->addWidget(button);
        const int index = int(m_dayEvents.size());
        connect(button, &QToolButton::clicked, this, [this, index] {
            if (index < m_shownDay.size())
                m_time.setInstant(m_shownDay.at(index).start, AgendaText::title(m_shownDay.at(index)));
        });
        offerMenu(button, [this, index]() -> std::optional<Occurrence> {
            if (index < m_shownDay.size()) return m_shownDay.at(index);
            return std::nullopt;
        });
        m_dayEvents.append(button);
    }
    m_shownDay = rest;
    for (int i = 0; i < wanted; ++i)
        present(m_dayEvents.at(i), rest.at(i), false);
    if (had != wanted) emit resized();
}

QString AgendaView::spoken() const
{
    if (isHidden()) return {};
    return !m_next->isHidden() ? m_next->accessibleName() : m_none->text();
}
