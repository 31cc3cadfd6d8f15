#pragma once

#include "chat/window_system.h"
#include "engine/yield.h"

namespace tintara
{

// The window system of Windows, over user32. Text crosses to and from the client in the
// system's ANSI code page. Messages that wait for an answer give a hung client a few seconds,
// then go on as if the window had gone.
class Win32WindowSystem final : public WindowSystem
{
public:
    Win32WindowSystem(YieldFn yield, YieldForFn yieldFor);

    WindowHandle findTopLevel(std::string_view className) override;
    WindowHandle findChildAfter(WindowHandle parent, WindowHandle after,
                                std::string_view className) override;
    void sendSelect(WindowHandle control, std::size_t start, std::size_t end) override;
    void sendReplaceSelection(WindowHandle control, std::string_view text) override;
    void postMouse(WindowHandle window, MouseMessage message) override;
    std::size_t sendGetTextLength(WindowHandle control) override;
    std::string sendGetText(WindowHandle control, std::size_t capacity) override;
    void sendSetText(WindowHandle control, std::string_view text) override;
    void yield() override;
    void yieldFor(std::chrono::milliseconds pause) override;

private:
    YieldFn yield_;
    YieldForFn yieldFor_;
};

} // namespace tintara
