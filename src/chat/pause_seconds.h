#pragma once

#include "chat/seconds_clock.h"
#include "engine/yield.h"

#include <cstdint>

namespace tintara
{

// Waits, yielding to the event loop, until the clock has passed the start mark (the clock at
// the call, taken to the nearest whole second, ties to even) by `seconds`. A pause of 0 thus
// lasts between no time and half a second. It ends across midnight too.
void pauseSeconds(std::int32_t seconds, SecondsClock &clock, const YieldFn &yield);

} // namespace tintara
