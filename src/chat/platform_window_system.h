#pragma once

#include "chat/window_system.h"
#include "engine/yield.h"

#include <memory>

namespace tintara
{

// This computer's window system, yielding through `yield`, and through `yieldFor` for a pause
// (without it, a yield and a sleep): the Win32 one on Windows; elsewhere, where the chat client
// cannot run, one that finds no client.
std::unique_ptr<WindowSystem> makePlatformWindowSystem(YieldFn yield, YieldForFn yieldFor = {});

} // namespace tintara
