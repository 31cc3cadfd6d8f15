#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace tintara
{

// A window of another program, as an opaque handle; 0 means none.
using WindowHandle = std::uintptr_t;

inline constexpr WindowHandle kNoWindow = 0;

// Lets the program's event loop run for about the given time without keeping a processor busy.
using YieldForFn = std::function<void(std::chrono::milliseconds)>;

// The mouse messages that click the chat room's send button.
enum class MouseMessage : unsigned { LeftButtonDown = 0x0201, LeftButtonUp = 0x0202 };

// The window services the chat delivery uses to reach the chat client's windows. Text crosses
// as the program's own UTF-8; an implementation converts it to what the client expects.
// Messages to no window, or to a window that no longer exists, have no effect.
class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    // The top-level window of the class, or none (FindWindowA).
    virtual WindowHandle findTopLevel(std::string_view className) = 0;
    // The next direct child of `parent` of the class after the child `after`: the first one
    // when `after` is none, none after the last one (FindWindowExA).
    virtual WindowHandle findChildAfter(WindowHandle parent, WindowHandle after,
                                        std::string_view className) = 0;

    // EM_SETSEL: selects the characters from `start` up to `end`.
    virtual void sendSelect(WindowHandle control, std::size_t start, std::size_t end) = 0;
    // EM_REPLACESEL with wParam 0: the selection becomes `text`.
    virtual void sendReplaceSelection(WindowHandle control, std::string_view text) = 0;
    // WM_LBUTTONDOWN or WM_LBUTTONUP with wParam 0 and lParam 0, posted: no wait for the client.
    virtual void postMouse(WindowHandle window, MouseMessage message) = 0;
    // WM_GETTEXTLENGTH: the length of the control's text, in the client's characters.
    virtual std::size_t sendGetTextLength(WindowHandle control) = 0;
    // WM_GETTEXT with room for `capacity` characters, the terminating NUL included: the text
    // the control copied.
    virtual std::string sendGetText(WindowHandle control, std::size_t capacity) = 0;
    // WM_SETTEXT: the control's whole text becomes `text`.
    virtual void sendSetText(WindowHandle control, std::string_view text) = 0;

    // Lets the program's event loop run once.
    virtual void yield() = 0;
    // Lets the program's event loop run for about `pause`, for waits that read the client again
    // and again without keeping a processor busy. This default yields once, then sleeps.
    virtual void yieldFor(std::chrono::milliseconds pause)
    {
        yield();
        std::this_thread::sleep_for(pause);
    }
};

} // namespace tintara
