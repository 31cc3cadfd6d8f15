#pragma once

#include "chat/seconds_clock.h"
#include "chat/window_system.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace tintara
{

// Room search steps after the first document window: each yields once first, so a chat room
// the user is still opening can appear and be found.
inline constexpr int kRoomSearchSteps = 100;
// How long the wait for the client lets the event loop run between two reads of the input box:
// short beside the time a send takes, long enough not to keep a processor busy.
inline constexpr std::chrono::milliseconds kInputPollPause{10};
// How long the client may take to send the line and empty its input box. When the time is up
// the wait ends and the user's own text goes back into the box; the click was already posted,
// so a client that recovers later may still send the line.
inline constexpr double kInputClearLimitSeconds = 10.0;
// The longest control text read from the client; a larger length it reports is not believed.
inline constexpr std::size_t kMaxControlTextLength = 1 << 20;

// The n-th direct child of `parent` of the class (n from 1), found as the client's window
// functions find it: the first child, then each time the next one after the previous result.
// After the last child the chain gives none, and the lookup after none starts again at the
// first, so with fewer children than asked for the chain can wrap back to a real window.
// Under no parent it finds nothing (the system would search all top-level windows instead).
WindowHandle nthChild(WindowSystem &windows, WindowHandle parent, std::string_view className,
                      int n);

// Whether the window carries the chat room's twelve children; none never does.
bool isChatRoom(WindowSystem &windows, WindowHandle candidate);

// The chat-room document window of the running chat client, or none.
WindowHandle findChatRoom(WindowSystem &windows);

// The text of a control of the chat client.
std::string readControlText(WindowSystem &windows, WindowHandle control);

// Types `text` into the chat room's input box, clicks the room's send button, waits for the
// client to empty the box and puts back what the user had typed there. Does nothing when no
// chat room is found, nor for an empty text: as the box would already be empty, nothing would
// show when the client has handled the click, and a client slow to handle it would send the
// user's own line once it was back in the box.
void sendToChatRoom(std::string_view text, WindowSystem &windows, SecondsClock &clock);

// The chat command: sends the coded text, with its closing font tags removed, to the chat room,
// then pauses briefly. Coded text without an exact "</Font>" (such as the coded-text box's
// placeholder before any fade) sends the empty text, which leaves the chat room alone.
void sendCodingToChat(std::string_view codedText, WindowSystem &windows, SecondsClock &clock);

} // namespace tintara
