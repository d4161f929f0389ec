#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>
#include <memory>

class ContinuousTimer;

// The instant every clock view shows, so everything on screen agrees and is
// redrawn together. It advances about 50 ms after each whole UTC minute and
// sleeps in between; the wait counts through system suspend, so after a wake
// the clock catches up at once, and a change of the wall clock or of the
// system's zone makes it tick at once too. Lives on the main thread.
class Clock : public QObject {
    Q_OBJECT
    Q_PROPERTY(QDateTime now READ now NOTIFY nowChanged)

public:
    // The wall clock, as UTC.
    using TimeSource = std::function<QDateTime()>;

    static QDateTime systemTime();

    // Starts ticking at once; `now` holds `initial` until the first minute boundary.
    explicit Clock(const QDateTime& initial, QObject* parent = nullptr);
    // For tests: the wall clock and the timer are injected.
    Clock(const QDateTime& initial, TimeSource timeSource, std::unique_ptr<ContinuousTimer> timer,
          QObject* parent = nullptr);
    ~Clock() override;

    QDateTime now() const { return m_now; }

    // Seconds to wait, at wall-clock time t (seconds since 1970, UTC), until
    // 50 ms past the next whole minute; kept within [0.2, 60].
    static double delayUntilNextTick(double t);

signals:
    void nowChanged();

private:
    void scheduleNextTick();
    // `always`: the views redraw even when the instant is the same (a new zone).
    void tick(bool always = false);

    QDateTime m_now;
    TimeSource m_timeSource;
    std::unique_ptr<ContinuousTimer> m_timer;
};
