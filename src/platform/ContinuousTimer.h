#pragma once

#include <QObject>

#include <memory>

// A single-shot timer whose deadline is measured on a clock that keeps
// running while the computer sleeps, so a deadline that passed during sleep
// fires as soon as the computer wakes. Lives on the thread that made it.
class ContinuousTimer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~ContinuousTimer() override = default;

    // The platform's implementation.
    static std::unique_ptr<ContinuousTimer> create(QObject* parent = nullptr);

    // (Re)arms the timer to fire once, `seconds` from now; a pending deadline
    // is replaced.
    virtual void start(double seconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void fired();
    // The wall clock was set, or the system's time zone changed: what the
    // clock shows is stale now, whatever the deadline.
    void clockChanged();
};
