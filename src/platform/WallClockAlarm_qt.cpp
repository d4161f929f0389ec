#include "WallClockAlarm.h"

#include <QTimer>

namespace {

// Where no wall-clock timer is known: the event loop's timer, which may ring
// late by a sleep.
class TimerAlarm final : public WallClockAlarm {
public:
    explicit TimerAlarm(QObject* parent)
        : WallClockAlarm(parent)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &WallClockAlarm::rang);
    }
    void arm(const QDateTime& at) override
    {
        m_timer.start(int(std::clamp<qint64>(QDateTime::currentDateTimeUtc().msecsTo(at), 0, 86'400'000)));
    }
    void disarm() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<WallClockAlarm> WallClockAlarm::create(QObject* parent)
{
    return std::make_unique<TimerAlarm>(parent);
}
