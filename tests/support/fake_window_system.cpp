#include "support/fake_window_system.h"

#include "engine/utf8.h"

#include <algorithm>

using tintara::kNoWindow;
using tintara::MouseMessage;

namespace
{

// Edit controls count positions in characters; the text here is UTF-8.
std::size_t byteOffset(const std::string &text, std::size_t characters)
{
    std::size_t offset = 0;
    while (offset < text.size() && characters > 0) {
        offset += tintara::utf8SequenceLength(static_cast<unsigned char>(text[offset]));
        --characters;
    }
    return std::min(offset, text.size());
}

} // namespace

FakeWindowSystem::WindowHandle FakeWindowSystem::addWindow(WindowHandle parent,
                                                           std::string className, std::string text)
{
    const WindowHandle handle = nextHandle_++;
    Window window;
    window.parent = parent;
    window.className = std::move(className);
    window.text = std::move(text);
    windows_.emplace(handle, std::move(window));
    childrenOf(parent).push_back(handle);
    return handle;
}

void FakeWindowSystem::removeWindow(WindowHandle window)
{
    Window *removed = find(window);
    if (removed == nullptr) {
        return;
    }
    for (const WindowHandle child : std::vector<WindowHandle>(removed->children)) {
        removeWindow(child);
    }
    std::erase(childrenOf(removed->parent), window);
    windows_.erase(window);
}

const std::string &FakeWindowSystem::text(WindowHandle control) const
{
    return windows_.at(control).text;
}

void FakeWindowSystem::setText(WindowHandle control, std::string text)
{
    Window &window = windows_.at(control);
    window.text = std::move(text);
    window.selectionStart = window.selectionEnd = 0;
}

void FakeWindowSystem::onClick(WindowHandle window, std::function<void()> reaction)
{
    windows_.at(window).click = std::move(reaction);
}

void FakeWindowSystem::delayPostedMessages(WindowHandle window, int yields)
{
    windows_.at(window).postedDelay = yields;
}

void FakeWindowSystem::claimTextLength(WindowHandle control, std::size_t length)
{
    windows_.at(control).claimedLength = length;
}

std::vector<std::string> FakeWindowSystem::traceOf(const std::string &prefix) const
{
    std::vector<std::string> matching;
    std::copy_if(trace_.begin(), trace_.end(), std::back_inserter(matching),
                 [&](const std::string &call) { return call.starts_with(prefix); });
    return matching;
}

FakeWindowSystem::WindowHandle FakeWindowSystem::findTopLevel(std::string_view className)
{
    trace_.push_back("find top " + std::string(className));
    const auto found = std::find_if(topLevel_.begin(), topLevel_.end(), [&](WindowHandle w) {
        return windows_.at(w).className == className;
    });
    return found == topLevel_.end() ? kNoWindow : *found;
}

FakeWindowSystem::WindowHandle FakeWindowSystem::findChildAfter(WindowHandle parent,
                                                                WindowHandle after,
                                                                std::string_view className)
{
    trace_.push_back("find " + std::string(className));
    if (parent != kNoWindow && find(parent) == nullptr) {
        return kNoWindow;
    }
    const std::vector<WindowHandle> &children = childrenOf(parent);
    auto from = children.begin();
    if (after != kNoWindow) {
        from = std::find(children.begin(), children.end(), after);
        if (from == children.end()) {
            return kNoWindow;
        }
        ++from;
    }
    const auto found = std::find_if(from, children.end(), [&](WindowHandle w) {
        return windows_.at(w).className == className;
    });
    return found == children.end() ? kNoWindow : *found;
}

void FakeWindowSystem::sendSelect(WindowHandle control, std::size_t start, std::size_t end)
{
    trace_.push_back("select " + std::to_string(start) + " " + std::to_string(end));
    if (Window *window = find(control)) {
        window->selectionStart = byteOffset(window->text, start);
        window->selectionEnd = std::max(window->selectionStart, byteOffset(window->text, end));
    }
}

void FakeWindowSystem::sendReplaceSelection(WindowHandle control, std::string_view text)
{
    trace_.push_back("replace " + std::string(text));
    if (Window *window = find(control)) {
        window->text.replace(window->selectionStart, window->selectionEnd - window->selectionStart,
                             text);
        window->selectionStart += text.size();
        window->selectionEnd = window->selectionStart;
    }
}

void FakeWindowSystem::postMouse(WindowHandle window, MouseMessage message)
{
    trace_.push_back(message == MouseMessage::LeftButtonDown ? "post down" : "post up");
    const Window *target = find(window);
    posted_.push_back({window, message, target == nullptr ? 0 : target->postedDelay});
}

std::size_t FakeWindowSystem::sendGetTextLength(WindowHandle control)
{
    trace_.push_back("get length");
    const Window *window = find(control);
    if (window == nullptr) {
        return 0;
    }
    return window->claimedLength.value_or(window->text.size());
}

std::string FakeWindowSystem::sendGetText(WindowHandle control, std::size_t capacity)
{
    trace_.push_back("get text");
    lastTextCapacity_ = capacity;
    const Window *window = find(control);
    if (window == nullptr || capacity == 0) {
        return {};
    }
    return window->text.substr(0, capacity - 1);
}

void FakeWindowSystem::sendSetText(WindowHandle control, std::string_view text)
{
    trace_.push_back("set text " + std::string(text));
    if (Window *window = find(control)) {
        window->text = text;
        window->selectionStart = window->selectionEnd = 0;
    }
}

void FakeWindowSystem::yield()
{
    trace_.push_back("yield");
    deliverPosted();
}

void FakeWindowSystem::yieldFor(std::chrono::milliseconds pause)
{
    trace_.push_back("yield for " + std::to_string(pause.count()) + " ms");
    deliverPosted();
}

void FakeWindowSystem::deliverPosted()
{
    ++yields_;
    std::vector<Posted> arrived;
    for (Posted &posted : std::exchange(posted_, {})) {
        (posted.yieldsLeft-- == 0 ? arrived : posted_).push_back(posted);
    }
    for (const Posted &posted : arrived) {
        Window *window = find(posted.target);
        if (window != nullptr && posted.message == MouseMessage::LeftButtonUp) {
            clicked_.push_back(posted.target);
            // A copy, as the reaction may close the window that holds it.
            const std::function<void()> reaction = window->click;
            if (reaction) {
                reaction();
            }
        }
    }
    if (onYield_) {
        onYield_();
    }
}

FakeWindowSystem::Window *FakeWindowSystem::find(WindowHandle window)
{
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

std::vector<FakeWindowSystem::WindowHandle> &FakeWindowSystem::childrenOf(WindowHandle parent)
{
    return parent == kNoWindow ? topLevel_ : windows_.at(parent).children;
}
