#pragma once

#include "chat/window_system.h"
#include "engine/yield.h"

#include <memory>

namespace tintara
{

// This computer's window system, yielding through `yield`: the Win32 one on Windows; elsewhere,
// where the chat client cannot run, one that finds no client.
std::unique_ptr<WindowSystem> makePlatformWindowSystem(YieldFn yield);

} // namespace tintara
