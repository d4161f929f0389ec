#pragma once

#include "platform/ContinuousTimer.h"

// A timer that fires only when the test says so, and remembers the delays asked of it.
class ManualTimer final : public ContinuousTimer {
public:
    QList<double> requestedDelays;
    bool active = false;

    void start(double seconds) override
    {
        requestedDelays.append(seconds);
        active = true;
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }

    void fire()
    {
        active = false;
        emit fired();
    }
};
