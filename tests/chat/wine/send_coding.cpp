// Sends coded text to the chat room of a running chat client through the program's own chat
// command over the Win32 window system: for each file named on the command line, the UTF-8
// coded text it holds. Prints nothing; exit status 1 only for a file it cannot read.
#include "chat/chat_room.h"
#include "chat/platform_window_system.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace
{

// This program has no windows of its own; a yield still runs its message queue as an event
// loop would.
void runPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const auto windows = tintara::makePlatformWindowSystem(runPendingMessages);
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::cerr << "send_coding: cannot read " << argv[i] << '\n';
            return 1;
        }
        const std::string codedText{std::istreambuf_iterator<char>(file), {}};
        tintara::sendCodingToChat(codedText, *windows, tintara::systemSecondsClock());
    }
    return 0;
}
