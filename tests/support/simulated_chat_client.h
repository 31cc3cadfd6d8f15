#pragma once

#include "support/fake_window_system.h"

#include <string>
#include <vector>

// How many children of each class a document window gets. The defaults are the least a chat
// room has: five statics, two rich-text boxes (the transcript and the input box), a combo box,
// fourteen icons (the fifth is the send button), an image and a list box.
struct RoomChildren {
    int statics = 5;
    int richText = 2;
    int comboboxes = 1;
    int icons = 14;
    int images = 1;
    int listboxes = 1;
};

// The chat client's window tree in a FakeWindowSystem: its main window, the MDI area and the
// document windows in the order the system lists them. A room's send button sends the input
// box's line (an empty box sends nothing) and empties the box.
class SimulatedChatClient
{
public:
    using WindowHandle = tintara::WindowHandle;

    struct Room {
        WindowHandle window;
        WindowHandle input;
        std::vector<WindowHandle> icons;
    };

    explicit SimulatedChatClient(FakeWindowSystem &windows);

    // A document window with the given children; the icon at `sendIcon` (from 0) sends, when
    // there is one (a negative index: a hung client whose button does nothing), and handles a
    // click only `sendDelay` yields after its due time.
    Room addDocument(const RoomChildren &children, std::string typed = {}, int sendIcon = 4,
                     int sendDelay = 0);
    Room addChatRoom(std::string typed = {})
    {
        return addDocument(RoomChildren{}, std::move(typed));
    }

    WindowHandle mainWindow() const { return mainWindow_; }
    WindowHandle mdiArea() const { return mdiArea_; }
    const std::vector<std::string> &sentLines() const { return sentLines_; }

private:
    FakeWindowSystem &windows_;
    WindowHandle mainWindow_;
    WindowHandle mdiArea_;
    std::vector<std::string> sentLines_;
};
