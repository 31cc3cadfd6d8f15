#include "chat/pause_seconds.h"

#include <cmath>

namespace tintara
{

void pauseSeconds(std::int32_t seconds, SecondsClock &clock, const YieldFn &yield)
{
    Stopwatch stopwatch(clock);
    // nearbyint rounds in the default mode: to the nearest, ties to even.
    const double startMark = std::nearbyint(stopwatch.startReading());
    while (stopwatch.startReading() + stopwatch.elapsed() - startMark < seconds) {
        if (yield) {
            yield();
        }
    }
}

} // namespace tintara
