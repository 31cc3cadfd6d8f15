#pragma once

#include "chat/window_system.h"
#include "engine/yield.h"

#include <utility>

namespace tintara
{

// The window system of a computer where the chat client cannot run: every lookup finds
// nothing and every message has no effect; only the yields reach the event loop.
class NoClientWindowSystem final : public WindowSystem
{
public:
    NoClientWindowSystem(YieldFn yield, YieldForFn yieldFor)
        : yield_(std::move(yield)), yieldFor_(std::move(yieldFor))
    {
    }

    WindowHandle findTopLevel(std::string_view) override { return kNoWindow; }
    WindowHandle findChildAfter(WindowHandle, WindowHandle, std::string_view) override
    {
        return kNoWindow;
    }
    void sendSelect(WindowHandle, std::size_t, std::size_t) override {}
    void sendReplaceSelection(WindowHandle, std::string_view) override {}
    void postMouse(WindowHandle, MouseMessage) override {}
    std::size_t sendGetTextLength(WindowHandle) override { return 0; }
    std::string sendGetText(WindowHandle, std::size_t) override { return {}; }
    void sendSetText(WindowHandle, std::string_view) override {}
    void yield() override
    {
        if (yield_) {
            yield_();
        }
    }
    void yieldFor(std::chrono::milliseconds pause) override
    {
        if (yieldFor_) {
            yieldFor_(pause);
        } else {
            WindowSystem::yieldFor(pause);
        }
    }

private:
    YieldFn yield_;
    YieldForFn yieldFor_;
};

} // namespace tintara
