#include "TimeStrip.h"

#include "Accessibility.h"
#include "TextCache.h"
#include "agenda/Agenda.h"
#include "clock/ClockEntries.h"
#include "clock/ClockFormatter.h"
#include "clock/DateFormats.h"
#include "clock/DisplayedTime.h"
#include "settings/AppSettings.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int stripHeight = 34;
constexpr qreal inset = 8;

using Move = DisplayedTime::Move;

} // namespace

TimeStrip::TimeStrip(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries,
                     const TimeCommands& commands, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_time(time)
    , m_entries(entries)
    , m_commands(commands)
{
    Accessibility::install();
    setFocusPolicy(Qt::StrongFocus);
    //: The strip of hours where a time is chosen
    setAccessibleName(tr("Time"));
    //: %1 is the key, as Qt names it in the language ("Home")
    setToolTip(tr("Drag or use the arrow keys to choose a time; %1 goes back to now")
                   .arg(QKeySequence(Qt::Key_Home).toString(QKeySequence::NativeText)));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&m_time, &DisplayedTime::instantChanged, this, [this] {
        announce();
        update();
    });
    connect(&m_entries, &ClockEntries::listChanged, this, qOverload<>(&QWidget::update));
    m_settings.whenChanged(SettingEffect::hours, this, [this] { update(); });
    announce();
}

QSize TimeStrip::sizeHint() const
{
    return {480, stripHeight};
}

QSize TimeStrip::minimumSizeHint() const
{
    return {160, stripHeight};
}

QRectF TimeStrip::ruler() const
{
    return QRectF(inset, 2, width() - 2 * inset, 14);
}

std::pair<QDateTime, QDateTime> TimeStrip::day() const
{
    const QTimeZone home = m_entries.homeZone();
    const QDate date = m_time.instant().toTimeZone(home).date();
    return {QDateTime(date, QTime(0, 0), home).toUTC(), QDateTime(date.addDays(1), QTime(0, 0), home).toUTC()};
}

qreal TimeStrip::mirrored(qreal x) const
{
    // The ruler's insets are equal, so it mirrors onto itself.
    return isRightToLeft() ? width() - x : x;
}

QDateTime TimeStrip::instantAt(qreal x) const
{
    const auto [start, end] = day();
    const QRectF r = ruler();
    const qreal fraction = std::clamp((mirrored(x) - r.left()) / r.width(), 0.0, 1.0);
    return start.addSecs(qint64(std::llround(fraction * double(start.secsTo(end)))));
}

qreal TimeStrip::xOf(const QDateTime& at) const
{
    const auto [start, end] = day();
    const QRectF r = ruler();
    return mirrored(r.left() + r.width() * double(start.secsTo(at)) / double(start.secsTo(end)));
}

void TimeStrip::choose(qreal x)
{
    m_time.setNearest(instantAt(x));
}

void TimeStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    choose(event->position().x());
}

void TimeStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) choose(event->position().x());
}

void TimeStrip::wheelEvent(QWheelEvent* event)
{
    m_time.turn(event->angleDelta());
    event->accept();
}

void TimeStrip::keyPressEvent(QKeyEvent* event)
{
    if (!m_commands.handleKey(event, m_time)) QWidget::keyPressEvent(event);
}

void TimeStrip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) update();
    QWidget::changeEvent(event);
}

void TimeStrip::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TimeStrip::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

QString TimeStrip::spokenTime(const DisplayedTime& time, const ClockEntries& entries)
{
    const ClockFormatter formatter = entries.formatter();
    //: The strip's value when it shows the current time; %1 the time
    return time.isLive() ? tr("Now, %1").arg(formatter.timeText(time.instant(), entries.homeZone()))
                         : formatter.chosenInstantText(time.instant(), time.now(), true);
}

void TimeStrip::announce()
{
    const QString value = spokenTime(m_time, m_entries);
    if (value == accessibleDescription()) return;
    setAccessibleDescription(value);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, value);
        QAccessible::updateAccessibility(&changed);
    }
}

int TimeStrip::minutesFromNow() const
{
    return int(m_time.now().secsTo(m_time.instant()) / 60);
}

int TimeStrip::rangeMinutes()
{
    return int(DisplayedTime::rangeSeconds / 60);
}

int TimeStrip::stepMinutes() const
{
    return m_time.stepMinutes();
}

void TimeStrip::setMinutesFromNow(int minutes)
{
    m_time.setNearest(m_time.now().addSecs(qint64(minutes) * 60));
}

const QList<TimeStrip::HourMark>& TimeStrip::hourMarks(const QDateTime& start, const QDateTime& end,
                                                       const QRectF& r) const
{
    const ClockFormatter formatter = m_entries.formatter();
    const QTimeZone home = m_entries.homeZone();
    const QByteArray locale(formatter.locale().getName());
    HourMarks& kept = m_hourMarks;
    if (kept.start == start.toSecsSinceEpoch() && kept.zone == home.id() && kept.locale == locale && kept.ruler == r)
        return kept.marks;
    kept = {start.toSecsSinceEpoch(), home.id(), locale, r, {}};
    const QDateTime midnight(start.toTimeZone(home).date(), QTime(0, 0), home);
    for (int hour = 0; hour <= 24; ++hour) {
        const QDateTime at = midnight.addSecs(hour * 3600);
        const qreal x = r.left() + r.width() * double(start.secsTo(at)) / double(start.secsTo(end));
        const QString label = hour % 3 != 0 || hour == 24
                                  ? QString()
                                  : DateFormats::format(formatter.locale(), "j",
                                                        at.toMSecsSinceEpoch() + qint64(home.offsetFromUtc(at)) * 1000);
        kept.marks.append({x, hour, label});
    }
    return kept.marks;
}

void TimeStrip::setAgenda(const Agenda* agenda)
{
    if (m_agenda) disconnect(m_agenda, nullptr, this, nullptr);
    m_agenda = agenda;
    if (m_agenda) connect(m_agenda, &Agenda::changed, this, qOverload<>(&QWidget::update));
    update();
}

void TimeStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = ruler();
    // Not a structured binding: the lambdas below capture both, and clang 14
    // (the fuzz build) cannot capture one.
    const std::pair<QDateTime, QDateTime> span = day();
    const QDateTime& start = span.first;
    const QDateTime& end = span.second;
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor accent = palette().color(QPalette::Highlight);
    QColor faint = ink;
    faint.setAlphaF(0.08);
    painter.setPen(Qt::NoPen);
    painter.setBrush(faint);
    painter.drawRoundedRect(r, 3, 3);

    // How many of the places work at each moment of the day, in runs.
    const qsizetype people = m_entries.participants().size();
    const int columns = std::max(1, int(r.width()));
    for (const Overlap::Run& run : m_entries.workingRuns(start.toSecsSinceEpoch(), end.toSecsSinceEpoch(), columns)) {
        if (run.working == 0) continue;
        QColor shade = accent;
        shade.setAlphaF(run.working == people ? 0.85 : 0.12 + 0.4 * run.working / people);
        painter.setBrush(shade);
        painter.drawRect(QRectF(mirrored(r.left() + (isRightToLeft() ? run.end : run.first)), r.top(),
                                run.end - run.first, r.height()));
    }

    // The user's events of the day, as marks along the ruler's top edge.
    if (m_agenda) {
        for (const Occurrence& event : m_agenda->between(start, end)) {
            const double from =
                r.width() * double(start.secsTo(std::max(event.start, start))) / double(start.secsTo(end));
            const double to = r.width() * double(start.secsTo(std::min(event.end, end))) / double(start.secsTo(end));
            QColor mark = event.colour.isEmpty() ? ink : QColor(event.colour);
            mark.setAlphaF(0.8);
            painter.setBrush(mark);
            const double left = isRightToLeft() ? r.right() - std::max(to, from + 3) : r.left() + from;
            painter.drawRect(QRectF(left, r.top(), std::max(to - from, 3.0), 3));
        }
    }

    // Hours every three, in home's wall-clock time.
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    QColor tick = ink;
    tick.setAlphaF(0.35);
    QColor label = ink;
    label.setAlphaF(0.6);
    const std::shared_ptr<TextCache> texts = TextCache::of(small);
    for (const HourMark& mark : hourMarks(start, end, r)) {
        painter.setPen(QPen(tick, 1));
        const qreal markX = mirrored(mark.x);
        painter.drawLine(QPointF(markX, r.bottom() - (mark.hour % 3 == 0 ? 6 : 3)), QPointF(markX, r.bottom()));
        if (mark.label.isEmpty()) continue;
        painter.setPen(label);
        const QStaticText& text = texts->prepared(mark.label);
        // Midnight's label starts at the ruler's edge rather than centring on it.
        const qreal width = text.size().width();
        const qreal left = mark.hour != 0 ? markX - width / 2 : isRightToLeft() ? markX - width : markX;
        painter.drawStaticText(QPointF(left, r.bottom() + 1), text);
    }

    // Now, and the chosen instant.
    const auto xOfDay = [&](const QDateTime& at) {
        return mirrored(r.left() + r.width() * double(start.secsTo(at)) / double(start.secsTo(end)));
    };
    const QDateTime now = m_time.now();
    if (now >= start && now < end && !m_time.isLive()) {
        painter.setPen(QPen(label, 1, Qt::DashLine));
        painter.drawLine(QPointF(xOfDay(now), r.top()), QPointF(xOfDay(now), r.bottom()));
    }
    const qreal x = xOfDay(m_time.instant());
    painter.setPen(QPen(hasFocus() ? accent : ink, 2));
    painter.drawLine(QPointF(x, r.top() - 1), QPointF(x, r.bottom() + 1));
    painter.setPen(Qt::NoPen);
    painter.setBrush(hasFocus() ? accent : ink);
    painter.drawPolygon(QPolygonF{QPointF(x - 4, r.top() - 2), QPointF(x + 4, r.top() - 2), QPointF(x, r.top() + 3)});
    if (hasFocus()) {
        QColor ring = accent;
        ring.setAlphaF(0.6);
        painter.setPen(QPen(ring, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 4, 4);
    }
}
