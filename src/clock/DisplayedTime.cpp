#include "DisplayedTime.h"

#include "Clock.h"

DisplayedTime::DisplayedTime(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
{
    connect(&m_clock, &Clock::nowChanged, this, [this] {
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

void DisplayedTime::setInstant(const QDateTime& at, int stepMinutes, const QTimeZone& home, const QString& note)
{
    const QDateTime now = m_clock.now();
    QDateTime kept = at.toUTC();
    if (kept > now.addSecs(rangeSeconds)) kept = TimeGrid::aligned(now.addSecs(rangeSeconds), -1, stepMinutes, home);
    if (kept < now.addSecs(-rangeSeconds)) kept = TimeGrid::aligned(now.addSecs(-rangeSeconds), 1, stepMinutes, home);
    apply(kept, note);
}

void DisplayedTime::goLive()
{
    apply(QDateTime(), QString());
}

void DisplayedTime::move(Move move, int stepMinutes, const QTimeZone& home)
{
    setInstant(TimeGrid::moved(instant(), isLive(), move, stepMinutes, home), stepMinutes, home);
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

#include "moc_DisplayedTime.cpp"
