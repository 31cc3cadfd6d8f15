#include "chat/seconds_clock.h"

#include <chrono>
#include <ctime>

namespace tintara
{

namespace
{

class LocalTimeOfDayClock final : public SecondsClock
{
public:
    double secondsSinceMidnight() override
    {
        using std::chrono::system_clock;
        const system_clock::time_point now = system_clock::now();
        const std::time_t whole = system_clock::to_time_t(now);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &whole);
#else
        localtime_r(&whole, &local);
#endif
        const double fraction =
            std::chrono::duration<double>(now - system_clock::from_time_t(whole)).count();
        return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    }
};

} // namespace

SecondsClock &systemSecondsClock()
{
    static LocalTimeOfDayClock clock;
    return clock;
}

Stopwatch::Stopwatch(SecondsClock &clock)
    : clock_(clock), start_(clock.secondsSinceMidnight()), last_(start_)
{
}

double Stopwatch::elapsed()
{
    const double now = clock_.secondsSinceMidnight();
    if (now > last_) {
        elapsed_ += now - last_;
    }
    last_ = now;
    return elapsed_;
}

} // namespace tintara
