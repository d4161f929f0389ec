#include "WallClockAlarm.h"

#include <QDBusConnection>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// A CLOCK_REALTIME timerfd armed at an absolute time with
// TFD_TIMER_CANCEL_ON_SET: the kernel rings it at that wall-clock instant,
// however long the computer slept, and cancels it when the clock is set.
// logind's PrepareForSleep(false) says the computer woke up.
class TimerFdAlarm final : public WallClockAlarm {
    Q_OBJECT

public:
    explicit TimerFdAlarm(QObject* parent)
        : WallClockAlarm(parent)
        , m_fd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
    {
        if (m_fd < 0) return;
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &TimerFdAlarm::expire);
    }

    ~TimerFdAlarm() override
    {
        if (m_fd < 0) return;
        delete m_notifier; // before the descriptor it watches goes away
        ::close(m_fd);
    }

    void arm(const QDateTime& at) override
    {
        if (m_fd < 0) return;
        watchSleep();
        const qint64 ms = std::max<qint64>(at.toMSecsSinceEpoch(), 1);
        itimerspec deadline{};
        deadline.it_value.tv_sec = time_t(ms / 1000);
        deadline.it_value.tv_nsec = long(ms % 1000) * 1'000'000;
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline, nullptr);
        m_notifier->setEnabled(true);
    }

    void disarm() override
    {
        if (m_fd < 0) return;
        const itimerspec disarmed{};
        timerfd_settime(m_fd, 0, &disarmed, nullptr);
        m_notifier->setEnabled(false);
    }

private slots:
    void prepareForSleep(bool sleeping)
    {
        if (!sleeping) emit clockMoved();
    }

private:
    void expire()
    {
        uint64_t expirations = 0;
        ssize_t got = 0;
        while ((got = ::read(m_fd, &expirations, sizeof expirations)) < 0 && errno == EINTR) {
        }
        if (got < 0 && errno == EAGAIN) return;
        m_notifier->setEnabled(false);
        if (got < 0 && errno == ECANCELED)
            emit clockMoved();
        else
            emit rang();
    }

    // Only once something is armed: a user with no reminders never connects
    // to the system bus for them.
    void watchSleep()
    {
        if (m_watchingSleep) return;
        m_watchingSleep = true;
        QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                             QStringLiteral("/org/freedesktop/login1"),
                                             QStringLiteral("org.freedesktop.login1.Manager"),
                                             QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    }

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    bool m_watchingSleep = false;
};

} // namespace

std::unique_ptr<WallClockAlarm> WallClockAlarm::create(QObject* parent)
{
    return std::make_unique<TimerFdAlarm>(parent);
}

#include "WallClockAlarm_linux.moc"
