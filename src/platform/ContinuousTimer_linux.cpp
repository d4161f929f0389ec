#include "ContinuousTimer.h"
#include "ZoneLinkWatch.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

const QString zoneLink = QStringLiteral("/etc/localtime");

// What /etc/localtime is now: where the link points, and the file's identity.
QString zoneIdentity()
{
    const QFileInfo info(zoneLink);
    return info.symLinkTarget() + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch()) +
           QLatin1Char('|') + QString::number(info.size());
}

// A timerfd on CLOCK_BOOTTIME, which counts time spent suspended (unlike
// CLOCK_MONOTONIC, on which QTimer runs). Beside it, a CLOCK_REALTIME timerfd
// armed a year ahead with TFD_TIMER_CANCEL_ON_SET, which the kernel cancels
// the moment anyone sets the wall clock, and a watch on /etc for a new
// /etc/localtime. Neither wakes the process while nothing changes.
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

        m_wallFd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_wallFd >= 0) {
            m_wallNotifier = new QSocketNotifier(m_wallFd, QSocketNotifier::Read, this);
            connect(m_wallNotifier, &QSocketNotifier::activated, this, &BootTimeTimer::wallClockEvent);
            armWallClockWatch();
        }
        if (QFileInfo::exists(zoneLink)) {
            m_zone = zoneIdentity();
            m_zoneWatch = new ZoneLinkWatch(zoneLink, this);
            connect(m_zoneWatch, &ZoneLinkWatch::changed, this, [this] {
                const QString now = zoneIdentity();
                if (now == m_zone) return;
                m_zone = now;
                emit clockChanged();
            });
        }
    }

    ~BootTimeTimer() override
    {
        if (m_fd >= 0) {
            delete m_notifier; // before the descriptor it watches goes away
            ::close(m_fd);
        }
        if (m_wallFd >= 0) {
            delete m_wallNotifier;
            ::close(m_wallFd);
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
    void armWallClockWatch()
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        itimerspec farAway{};
        farAway.it_value.tv_sec = now.tv_sec + 365 * 86400;
        timerfd_settime(m_wallFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farAway, nullptr);
    }

    void wallClockEvent()
    {
        uint64_t expirations = 0;
        ssize_t got = 0;
        while ((got = ::read(m_wallFd, &expirations, sizeof expirations)) < 0 && errno == EINTR) {
        }
        const bool set = got < 0 && errno == ECANCELED;
        armWallClockWatch(); // for the next change (or the next year)
        if (set) emit clockChanged();
    }

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
    int m_wallFd = -1;
    QSocketNotifier* m_wallNotifier = nullptr;
    ZoneLinkWatch* m_zoneWatch = nullptr;
    QString m_zone;
    QTimer* m_fallback = nullptr;
};

} // namespace

std::unique_ptr<ContinuousTimer> ContinuousTimer::create(QObject* parent)
{
    return std::make_unique<BootTimeTimer>(parent);
}

#include "moc_ContinuousTimer.cpp"
