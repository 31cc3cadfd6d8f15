#include "chat/chat_room.h"

#include "chat/pause_seconds.h"
#include "chat/replace_all_no_case.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>

namespace tintara
{

namespace
{

constexpr std::string_view kMainWindowClass = "AOL Frame25";
constexpr std::string_view kMdiAreaClass = "MDIClient";
constexpr std::string_view kDocumentClass = "AOL Child";
constexpr std::string_view kStaticClass = "_AOL_Static";
constexpr std::string_view kRichTextClass = "RICHCNTL";
constexpr std::string_view kComboboxClass = "_AOL_Combobox";
constexpr std::string_view kIconClass = "_AOL_Icon";
constexpr std::string_view kImageClass = "_AOL_Image";
constexpr std::string_view kListboxClass = "_AOL_Listbox";

constexpr int kInputBoxIndex = 2;   // the second "RICHCNTL"
constexpr int kSendButtonIndex = 5; // the fifth "_AOL_Icon"

constexpr std::string_view kFontCloser = "</Font>";

struct ChildLookup {
    std::string_view className;
    int n;
};

// The chat room's signature, tested in this order.
constexpr std::array<ChildLookup, 12> kChatRoomSignature{{
    {kStaticClass, 1},
    {kRichTextClass, 1},
    {kComboboxClass, 1},
    {kIconClass, 4},
    {kStaticClass, 2},
    {kRichTextClass, 2},
    {kIconClass, 7},
    {kImageClass, 1},
    {kStaticClass, 4},
    {kListboxClass, 1},
    {kStaticClass, 5},
    {kIconClass, 14},
}};

WindowHandle childAfter(WindowSystem &windows, WindowHandle parent, WindowHandle after,
                        std::string_view className)
{
    return parent == kNoWindow ? kNoWindow : windows.findChildAfter(parent, after, className);
}

// Polls the box, letting the event loop run for a short pause before each read, until the
// client has emptied it or the time limit has passed.
void waitForInputCleared(WindowSystem &windows, WindowHandle input, SecondsClock &clock)
{
    Stopwatch stopwatch(clock);
    do {
        windows.yieldFor(kInputPollPause);
        if (readControlText(windows, input).empty()) {
            return;
        }
    } while (stopwatch.elapsed() < kInputClearLimitSeconds);
}

} // namespace

WindowHandle nthChild(WindowSystem &windows, WindowHandle parent, std::string_view className, int n)
{
    WindowHandle found = kNoWindow;
    for (int i = 0; i < n; ++i) {
        found = childAfter(windows, parent, found, className);
    }
    return found;
}

bool isChatRoom(WindowSystem &windows, WindowHandle candidate)
{
    return candidate != kNoWindow &&
           std::all_of(kChatRoomSignature.begin(), kChatRoomSignature.end(),
                       [&](const ChildLookup &lookup) {
                           return nthChild(windows, candidate, lookup.className, lookup.n) !=
                                  kNoWindow;
                       });
}

WindowHandle findChatRoom(WindowSystem &windows)
{
    const WindowHandle mainWindow = windows.findTopLevel(kMainWindowClass);
    const WindowHandle mdiArea = childAfter(windows, mainWindow, kNoWindow, kMdiAreaClass);
    WindowHandle candidate = childAfter(windows, mdiArea, kNoWindow, kDocumentClass);
    bool found = isChatRoom(windows, candidate);
    for (int step = 0; !found && step < kRoomSearchSteps; ++step) {
        windows.yield();
        candidate = childAfter(windows, mdiArea, candidate, kDocumentClass);
        found = isChatRoom(windows, candidate);
    }
    return found ? candidate : kNoWindow;
}

std::string readControlText(WindowSystem &windows, WindowHandle control)
{
    const std::size_t length = std::min(windows.sendGetTextLength(control), kMaxControlTextLength);
    return windows.sendGetText(control, length + 1);
}

void sendToChatRoom(std::string_view text, WindowSystem &windows, SecondsClock &clock)
{
    if (text.empty()) {
        return;
    }
    const WindowHandle room = findChatRoom(windows);
    if (room == kNoWindow) {
        return;
    }
    const WindowHandle input = nthChild(windows, room, kRichTextClass, kInputBoxIndex);
    const WindowHandle sendButton = nthChild(windows, room, kIconClass, kSendButtonIndex);
    const std::string saved = readControlText(windows, input);

    windows.sendSelect(input, 0, utf8Length(saved).value_or(saved.size()));
    windows.sendReplaceSelection(input, text);
    windows.postMouse(sendButton, MouseMessage::LeftButtonDown);
    windows.postMouse(sendButton, MouseMessage::LeftButtonUp);
    // Whether the line went or the time ran out, the box gets the user's own text back.
    waitForInputCleared(windows, input, clock);
    windows.sendSetText(input, saved);
}

void sendCodingToChat(std::string_view codedText, WindowSystem &windows, SecondsClock &clock)
{
    // Only coded text with an exact closer is sent; then closers in any case go.
    const std::string chatText = codedText.find(kFontCloser) == std::string_view::npos
                                     ? std::string()
                                     : replaceAllNoCase(codedText, kFontCloser, "");
    sendToChatRoom(chatText, windows, clock);
    pauseSeconds(0, clock, [&windows] { windows.yield(); });
}

} // namespace tintara
