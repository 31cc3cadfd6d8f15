#include "chat/platform_window_system.h"

#ifdef _WIN32
#include "chat/win32_window_system.h"
#else
#include "chat/no_client_window_system.h"
#endif

namespace tintara
{

std::unique_ptr<WindowSystem> makePlatformWindowSystem(YieldFn yield, YieldForFn yieldFor)
{
#ifdef _WIN32
    return std::make_unique<Win32WindowSystem>(std::move(yield), std::move(yieldFor));
#else
    return std::make_unique<NoClientWindowSystem>(std::move(yield), std::move(yieldFor));
#endif
}

} // namespace tintara
