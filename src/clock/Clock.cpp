#include "Clock.h"

#include "platform/ContinuousTimer.h"

#include <algorithm>
#include <cmath>

QDateTime Clock::systemTime()
{
    return QDateTime::currentDateTimeUtc();
}

Clock::Clock(const QDateTime& initial, QObject* parent)
    : Clock(initial, &Clock::systemTime, ContinuousTimer::create(), parent)
{
}

Clock::Clock(const QDateTime& initial, TimeSource timeSource, std::unique_ptr<ContinuousTimer> timer, QObject* parent)
    : QObject(parent)
    , m_now(initial)
    , m_timeSource(std::move(timeSource))
    , m_timer(std::move(timer))
{
    connect(m_timer.get(), &ContinuousTimer::fired, this, [this] { tick(); });
    connect(m_timer.get(), &ContinuousTimer::clockChanged, this, [this] { tick(true); });
    scheduleNextTick();
}

// The timer goes with the clock, and with it every pending tick.
Clock::~Clock() = default;

double Clock::delayUntilNextTick(double t)
{
    // fmod keeps the sign of t, so before 1970 the raw delay exceeds 60 s and
    // is capped; just before a boundary it is raised so as not to spin.
    const double raw = 60.0 - std::fmod(t, 60.0) + 0.05;
    return std::clamp(raw, 0.2, 60.0);
}

void Clock::scheduleNextTick()
{
    const double t = double(m_timeSource().toMSecsSinceEpoch()) / 1000.0;
    m_timer->start(delayUntilNextTick(t));
}

void Clock::tick(bool always)
{
    const QDateTime next = m_timeSource();
    scheduleNextTick();
    if (always || next != m_now) {
        m_now = next;
        emit nowChanged();
    }
}

#include "moc_Clock.cpp"
