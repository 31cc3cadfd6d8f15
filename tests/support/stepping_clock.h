#pragma once

#include "chat/seconds_clock.h"

#include <cmath>

// A time-of-day clock that moves on by `step` seconds after every reading and starts again at 0
// at midnight.
class SteppingClock final : public tintara::SecondsClock
{
public:
    SteppingClock(double start, double step) : now_(start), step_(step) {}

    double secondsSinceMidnight() override
    {
        const double reading = now_;
        now_ = std::fmod(now_ + step_, tintara::kSecondsPerDay);
        ++readings_;
        return reading;
    }

    int readings() const { return readings_; }

private:
    double now_;
    double step_;
    int readings_ = 0;
};
