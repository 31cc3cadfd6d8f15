#pragma once

#include "chat/window_system.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// An in-process window tree that answers like the Win32 window functions: children are listed
// in the order they were added; a lookup after the last child, or after a window that is not
// the parent's child, finds none; no parent means the top-level windows; messages to missing
// windows have no effect; posted messages arrive at the next yield (or later, for a window that
// reacts late).
class FakeWindowSystem final : public tintara::WindowSystem
{
public:
    using WindowHandle = tintara::WindowHandle;

    // Adds a window under `parent` (none: a top-level window) and returns its handle.
    WindowHandle addWindow(WindowHandle parent, std::string className, std::string text = {});
    void removeWindow(WindowHandle window);
    const std::string &text(WindowHandle control) const;
    // Sets the text as the client or its user would, outside the trace.
    void setText(WindowHandle control, std::string text);
    // Runs when the window receives a left-button release.
    void onClick(WindowHandle window, std::function<void()> reaction);
    // Messages posted to the window arrive only this many yields after the next one, as at a
    // busy client.
    void delayPostedMessages(WindowHandle window, int yields);
    // Runs at every yield, after the posted messages have arrived.
    void onYield(std::function<void()> reaction) { onYield_ = std::move(reaction); }
    // Makes the control report this length for its text instead of the real one.
    void claimTextLength(WindowHandle control, std::size_t length);

    int yieldCount() const { return yields_; }
    // Every call in order: "yield", "yield for <n> ms", "find top <class>", "find <class>",
    // "select <start> <end>", "replace <text>", "post down", "post up", "get length",
    // "get text", "set text <text>".
    const std::vector<std::string> &trace() const { return trace_; }
    // The calls of the trace that start with `prefix`.
    std::vector<std::string> traceOf(const std::string &prefix) const;
    std::vector<WindowHandle> clickedWindows() const { return clicked_; }
    std::size_t lastTextCapacity() const { return lastTextCapacity_; }

    WindowHandle findTopLevel(std::string_view className) override;
    WindowHandle findChildAfter(WindowHandle parent, WindowHandle after,
                                std::string_view className) override;
    void sendSelect(WindowHandle control, std::size_t start, std::size_t end) override;
    void sendReplaceSelection(WindowHandle control, std::string_view text) override;
    void postMouse(WindowHandle window, tintara::MouseMessage message) override;
    std::size_t sendGetTextLength(WindowHandle control) override;
    std::string sendGetText(WindowHandle control, std::size_t capacity) override;
    void sendSetText(WindowHandle control, std::string_view text) override;
    // Both count as yields; neither sleeps.
    void yield() override;
    void yieldFor(std::chrono::milliseconds pause) override;

private:
    struct Window {
        WindowHandle parent = tintara::kNoWindow;
        std::string className;
        std::string text;
        std::size_t selectionStart = 0;
        std::size_t selectionEnd = 0;
        std::vector<WindowHandle> children;
        std::function<void()> click;
        std::optional<std::size_t> claimedLength;
        int postedDelay = 0;
    };
    struct Posted {
        WindowHandle target;
        tintara::MouseMessage message;
        int yieldsLeft;
    };

    void deliverPosted();
    Window *find(WindowHandle window);
    std::vector<WindowHandle> &childrenOf(WindowHandle parent);

    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> topLevel_;
    WindowHandle nextHandle_ = 0x100;
    std::vector<Posted> posted_;
    std::vector<WindowHandle> clicked_;
    std::function<void()> onYield_;
    int yields_ = 0;
    std::vector<std::string> trace_;
    std::size_t lastTextCapacity_ = 0;
};
