#include "ContinuousTimer.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// A timerfd on CLOCK_BOOTTIME, which counts time spent suspended (unlike
// CLOCK_MONOTONIC, on which QTimer runs).
class BootTimeTimer final : public ContinuousTimer {
public:
    explicit BootTimeTimer(QObject* parent)
        : ContinuousTimer(parent)
        , m_fd(timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC))
    {
        if (m_fd < 0) {
            // Kernels without CLOCK_BOOTTIME timers: fall back to the event loop's clock.
            m_fallback = new QTimer(this);
            m_fallback->setSingleShot(true);
            m_fallback->setTimerType(Qt::PreciseTimer);
            connect(m_fallback, &QTimer::timeout, this, &ContinuousTimer::fired);
            return;
        }
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &BootTimeTimer::expire);
    }

    ~BootTimeTimer() override
    {
        if (m_fd >= 0) {
            delete m_notifier; // before the descriptor it watches goes away
            ::close(m_fd);
        }
    }

    void start(double seconds) override
    {
        seconds = std::max(seconds, 0.0);
        if (m_fallback) {
            m_fallback->start(int(std::ceil(seconds * 1000)));
            return;
        }
        // A zero it_value would disarm the timer; the shortest wait is 1 ns.
        const auto nanoseconds = std::max<int64_t>(int64_t(seconds * 1e9), 1);
        itimerspec deadline{};
        deadline.it_value.tv_sec = time_t(nanoseconds / 1'000'000'000);
        deadline.it_value.tv_nsec = long(nanoseconds % 1'000'000'000);
        timerfd_settime(m_fd, 0, &deadline, nullptr);
        m_active = true;
        m_notifier->setEnabled(true);
    }

    void stop() override
    {
        if (m_fallback) {
            m_fallback->stop();
            return;
        }
        const itimerspec disarmed{};
        timerfd_settime(m_fd, 0, &disarmed, nullptr);
        drain();
        m_active = false;
        m_notifier->setEnabled(false);
    }

    bool isActive() const override { return m_fallback ? m_fallback->isActive() : m_active; }

private:
    void drain()
    {
        uint64_t expirations = 0;
        while (::read(m_fd, &expirations, sizeof expirations) < 0 && errno == EINTR) {
        }
    }

    void expire()
    {
        drain();
        m_active = false;
        m_notifier->setEnabled(false);
        emit fired();
    }

    int m_fd = -1;
    bool m_active = false;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_fallback = nullptr;
};

} // namespace

std::unique_ptr<ContinuousTimer> ContinuousTimer::create(QObject* parent)
{
    return std::make_unique<BootTimeTimer>(parent);
}
