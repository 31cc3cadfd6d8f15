#pragma once

namespace tintara
{

inline constexpr double kSecondsPerDay = 86400.0;

// A time-of-day clock: seconds since local midnight, with fractions. It starts again at 0 each
// midnight.
class SecondsClock
{
public:
    virtual ~SecondsClock() = default;
    virtual double secondsSinceMidnight() = 0;
};

// The computer's local time of day.
SecondsClock &systemSecondsClock();

// Measures time passed on a SecondsClock from the moment it is made. Only the clock's forward
// steps are added up, so the restart at midnight (or a clock set back) never stalls a wait.
class Stopwatch
{
public:
    explicit Stopwatch(SecondsClock &clock);

    // The clock as it read when the stopwatch was made.
    double startReading() const { return start_; }
    // Reads the clock and returns the seconds passed since the start.
    double elapsed();

private:
    SecondsClock &clock_;
    double start_;
    double last_;
    double elapsed_ = 0.0;
};

} // namespace tintara
