#include "ContinuousTimer.h"

#include <QTimer>

#include <cmath>

namespace {

// Where the system offers no suspend-aware timer to the event loop, a
// precise QTimer; on wake it fires late rather than never.
class EventLoopTimer final : public ContinuousTimer {
public:
    explicit EventLoopTimer(QObject* parent)
        : ContinuousTimer(parent)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &ContinuousTimer::fired);
    }

    void start(double seconds) override { m_timer.start(int(std::ceil(std::max(seconds, 0.0) * 1000))); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<ContinuousTimer> ContinuousTimer::create(QObject* parent)
{
    return std::make_unique<EventLoopTimer>(parent);
}

#include "moc_ContinuousTimer.cpp"
