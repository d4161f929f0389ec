#include "DisplayedTime.h"

#include "Clock.h"

#include <cstdlib>

DisplayedTime::DisplayedTime(Clock& clock, StepMinutes stepMinutes, HomeZone homeZone, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_stepMinutes(std::move(stepMinutes))
    , m_homeZone(std::move(homeZone))
    , m_home(m_homeZone())
{
    connect(&m_clock, &Clock::nowChanged, this, [this] {
        m_home = m_homeZone();
        emit ticked();
        if (isLive()) emit instantChanged();
    });
}

QDateTime DisplayedTime::instant() const
{
    return isLive() ? m_clock.now() : m_set;
}

QDateTime DisplayedTime::now() const
{
    return m_clock.now();
}

void DisplayedTime::setInstant(const QDateTime& at, const QString& note)
{
    const QDateTime now = m_clock.now();
    const int step = stepMinutes();
    const QTimeZone home = homeZone();
    QDateTime kept = at.toUTC();
    if (kept > now.addSecs(rangeSeconds)) kept = TimeGrid::aligned(now.addSecs(rangeSeconds), -1, step, home);
    if (kept < now.addSecs(-rangeSeconds)) kept = TimeGrid::aligned(now.addSecs(-rangeSeconds), 1, step, home);
    apply(kept, note);
}

void DisplayedTime::setNearest(const QDateTime& at)
{
    setInstant(TimeGrid::aligned(at, 0, stepMinutes(), homeZone()));
}

void DisplayedTime::goLive()
{
    apply(QDateTime(), QString());
}

void DisplayedTime::move(Move move)
{
    setInstant(TimeGrid::moved(instant(), isLive(), move, stepMinutes(), homeZone()));
}

void DisplayedTime::turn(QPoint angleDelta)
{
    const int steps = TimeGrid::wheelSteps(m_wheelRest, angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x());
    for (int i = 0; i < std::abs(steps); ++i)
        move(steps > 0 ? Move::stepForward : Move::stepBack);
}

void DisplayedTime::apply(const QDateTime& set, const QString& note)
{
    const bool wasLive = isLive();
    const bool changed = set != m_set || note != m_note || set.isValid() != m_set.isValid();
    m_set = set;
    m_note = note;
    if (changed) emit instantChanged();
    if (wasLive != isLive()) emit liveChanged();
}

QList<QDateTime> DisplayedTime::likelyNext() const
{
    const QDateTime shown = instant();
    if (isLive()) return {};
    QList<QDateTime> next;
    for (const Move step : {Move::stepForward, Move::stepBack}) {
        const QDateTime at = TimeGrid::moved(shown, false, step, stepMinutes(), homeZone());
        if (std::abs(now().secsTo(at)) <= rangeSeconds) next.append(at);
    }
    return next;
}

std::optional<QDateTime> DisplayedTime::nextTick() const
{
    if (!isLive()) return std::nullopt;
    const qint64 minute = now().toSecsSinceEpoch() / 60;
    return QDateTime::fromSecsSinceEpoch((minute + 1) * 60, Qt::UTC);
}

#include "moc_DisplayedTime.cpp"
