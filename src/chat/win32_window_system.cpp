#include "chat/win32_window_system.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace tintara
{

namespace
{

// How long a client that does not answer may hold up the program, per message.
constexpr UINT kReplyTimeoutMs = 2000;

HWND toHwnd(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

WindowHandle toHandle(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

// Text recoded from one code page to another through UTF-16.
std::string recode(std::string_view text, UINT from, UINT to)
{
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(from, 0, text.data(), size, wide.data(), wideSize);
    const int outSize =
        WideCharToMultiByte(to, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(outSize), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideSize, out.data(), outSize, nullptr, nullptr);
    return out;
}

std::string toAnsi(std::string_view utf8)
{
    return recode(utf8, CP_UTF8, CP_ACP);
}

std::string fromAnsi(std::string_view ansi)
{
    return recode(ansi, CP_ACP, CP_UTF8);
}

// The client's answer, or nothing when there is no such window or it did not answer in time.
std::optional<LRESULT> sendWithTimeout(WindowHandle window, UINT message, WPARAM wParam,
                                       LPARAM lParam)
{
    if (window == kNoWindow) {
        return std::nullopt;
    }
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(toHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                            kReplyTimeoutMs, &answer) == 0) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(answer);
}

} // namespace

Win32WindowSystem::Win32WindowSystem(YieldFn yield, YieldForFn yieldFor)
    : yield_(std::move(yield)), yieldFor_(std::move(yieldFor))
{
}

WindowHandle Win32WindowSystem::findTopLevel(std::string_view className)
{
    return toHandle(FindWindowA(std::string(className).c_str(), nullptr));
}

WindowHandle Win32WindowSystem::findChildAfter(WindowHandle parent, WindowHandle after,
                                               std::string_view className)
{
    return toHandle(
        FindWindowExA(toHwnd(parent), toHwnd(after), std::string(className).c_str(), nullptr));
}

void Win32WindowSystem::sendSelect(WindowHandle control, std::size_t start, std::size_t end)
{
    sendWithTimeout(control, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void Win32WindowSystem::sendReplaceSelection(WindowHandle control, std::string_view text)
{
    const std::string ansi = toAnsi(text);
    sendWithTimeout(control, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
}

void Win32WindowSystem::postMouse(WindowHandle window, MouseMessage message)
{
    // Posting to no window would post to this program's own thread instead.
    if (window != kNoWindow) {
        PostMessageA(toHwnd(window), static_cast<UINT>(message), 0, 0);
    }
}

std::size_t Win32WindowSystem::sendGetTextLength(WindowHandle control)
{
    const std::optional<LRESULT> length = sendWithTimeout(control, WM_GETTEXTLENGTH, 0, 0);
    return length && *length > 0 ? static_cast<std::size_t>(*length) : 0;
}

std::string Win32WindowSystem::sendGetText(WindowHandle control, std::size_t capacity)
{
    if (capacity == 0) {
        return {};
    }
    std::string buffer(capacity, '\0');
    const std::optional<LRESULT> copied =
        sendWithTimeout(control, WM_GETTEXT, static_cast<WPARAM>(capacity),
                        reinterpret_cast<LPARAM>(buffer.data()));
    const std::size_t length = copied && *copied > 0 ? static_cast<std::size_t>(*copied) : 0;
    buffer.resize(std::min(length, capacity - 1));
    return fromAnsi(buffer);
}

void Win32WindowSystem::sendSetText(WindowHandle control, std::string_view text)
{
    const std::string ansi = toAnsi(text);
    sendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
}

void Win32WindowSystem::yield()
{
    if (yield_) {
        yield_();
    }
}

void Win32WindowSystem::yieldFor(std::chrono::milliseconds pause)
{
    if (yieldFor_) {
        yieldFor_(pause);
    } else {
        WindowSystem::yieldFor(pause);
    }
}

} // namespace tintara
