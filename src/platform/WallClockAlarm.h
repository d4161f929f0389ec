#pragma once

#include <QDateTime>
#include <QObject>

#include <memory>

// An alarm at an instant of the wall clock, not after a delay: it rings at
// that instant even when the computer slept through part of the wait (a
// timer on the monotonic clock would ring late by the sleep), and says so
// when a plan made against the clock may be stale: the wall clock was set,
// or the computer woke up.
class WallClockAlarm : public QObject {
    Q_OBJECT

public:
    static std::unique_ptr<WallClockAlarm> create(QObject* parent = nullptr);

    using QObject::QObject;
    ~WallClockAlarm() override = default;

    // Rings once at `at` (at once when it has passed); replaces any earlier arming.
    virtual void arm(const QDateTime& at) = 0;
    virtual void disarm() = 0;

signals:
    void rang();
    // The wall clock was set, or the computer woke from sleep.
    void clockMoved();
};
