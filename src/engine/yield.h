#pragma once

#include <functional>

namespace tintara
{

// Lets the event loop run during long work; an empty function does nothing.
using YieldFn = std::function<void()>;

} // namespace tintara
