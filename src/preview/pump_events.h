#pragma once

#include <functional>

namespace tintara
{

inline constexpr int kPumpEventsYields = 50;

// Yields to the event loop 50 times, so pending paints and input are handled
// before the caller goes on. Tests pass their own yield to count the calls.
void pumpEvents(const std::function<void()> &yield = {});

} // namespace tintara
