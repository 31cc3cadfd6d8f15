#include "chat/chat_room.h"
#include "chat/platform_window_system.h"
#include "support/fake_window_system.h"
#include "support/simulated_chat_client.h"
#include "support/stepping_clock.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tintara;

namespace
{

// A clock standing on a whole second: the closing pause of the chat command ends at once.
SteppingClock wholeSecondClock()
{
    return SteppingClock(3600.0, 0.0);
}

} // namespace

TEST(SendCodingToChat, SendsTheCodedTextWithClosingTagsInAnyCaseRemoved)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    const auto room = client.addChatRoom();
    SteppingClock clock = wholeSecondClock();

    sendCodingToChat("<B><Font Color=#FF0000>a</Font><Font Color=#00FF00>b</font>"
                     "<Font Color=#0000FF>c</FONT></B>",
                     windows, clock);

    EXPECT_EQ(client.sentLines(),
              (std::vector<std::string>{"<B><Font Color=#FF0000>a<Font Color=#00FF00>b"
                                        "<Font Color=#0000FF>c</B>"}));
    EXPECT_EQ(windows.clickedWindows(), (std::vector<WindowHandle>{room.icons[4]}));
}

TEST(SendCodingToChat, PutsThePartialLineTheUserTypedBack)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    const auto room = client.addChatRoom("caf\xC3\xA9 au l");
    SteppingClock clock = wholeSecondClock();

    sendCodingToChat("<Font Color=#FF0000>x</Font>", windows, clock);

    // The whole partial line, nine characters in ten bytes, was replaced by the coded text.
    EXPECT_EQ(client.sentLines(), (std::vector<std::string>{"<Font Color=#FF0000>x"}));
    EXPECT_EQ(windows.text(room.input), "caf\xC3\xA9 au l");
    EXPECT_EQ(windows.traceOf("select"), (std::vector<std::string>{"select 0 9"}));
    EXPECT_EQ(windows.trace().back(), "set text caf\xC3\xA9 au l");
}

TEST(SendCodingToChat, NeverSendsTheUsersOwnLineEvenThroughAButtonThatReactsLate)
{
    const struct {
        const char *codedText;
        std::vector<std::string> sent;
    } cases[] = {
        // Without an exact closing tag the text to send is empty: the room is left alone.
        {".::html displayer::.", {}},
        {"<Font Color=#FF0000>x</font>", {}},
        {"", {}},
        {"<Font Color=#FF0000>x</Font>", {"<Font Color=#FF0000>x"}},
    };
    for (const int lateBy : {0, 3}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.codedText) + ", late by " + std::to_string(lateBy));
            FakeWindowSystem windows;
            SimulatedChatClient client(windows);
            const auto room = client.addDocument(RoomChildren{}, "half a li", 4, lateBy);
            SteppingClock clock = wholeSecondClock();

            sendCodingToChat(c.codedText, windows, clock);
            for (int i = 0; i < 5; ++i) {
                windows.yield(); // by now any click has reached the client
            }

            EXPECT_EQ(client.sentLines(), c.sent);
            EXPECT_EQ(windows.text(room.input), "half a li");
        }
    }
}

TEST(SendCodingToChat, WithoutAClientYieldsOneHundredTimesAndChangesNothing)
{
    int yields = 0;
    const auto thisSystem = makePlatformWindowSystem([&] { ++yields; });
    SteppingClock clock = wholeSecondClock();
    sendCodingToChat("<Font Color=#FF0000>x</Font>", *thisSystem, clock);
    EXPECT_EQ(yields, 100);

    FakeWindowSystem windows;
    const WindowHandle otherProgram = windows.addWindow(kNoWindow, "Notepad", "untouched");
    sendCodingToChat("<Font Color=#FF0000>x</Font>", windows, clock);
    EXPECT_EQ(windows.yieldCount(), 100);
    EXPECT_EQ(windows.trace().size(), 101u); // the main-window lookup and the yields
    EXPECT_EQ(windows.text(otherProgram), "untouched");
}

TEST(SendToChatRoom, GivesUpWaitingForTheClientAfterTheTimeLimitAndRestoresTheUserText)
{
    for (const double start : {43200.0, 86395.0}) { // noon, and five seconds to midnight
        SCOPED_TRACE(start);
        FakeWindowSystem windows;
        SimulatedChatClient client(windows);
        const auto room = client.addDocument(RoomChildren{}, "mine", -1); // a hung send button
        SteppingClock clock(start, 0.5);

        sendToChatRoom("coded", windows, clock);

        EXPECT_TRUE(client.sentLines().empty());
        EXPECT_EQ(windows.text(room.input), "mine");
        // One poll per half second for ten seconds; the step over midnight counts as none.
        EXPECT_GE(windows.yieldCount(), 20);
        EXPECT_LE(windows.yieldCount(), 21);
    }
}

TEST(SendToChatRoom, PausesBeforeEachReadOfTheInputBox)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    client.addDocument(RoomChildren{}, "", 4, 3); // the click is handled at the fourth poll
    SteppingClock clock = wholeSecondClock();

    sendToChatRoom("coded", windows, clock);

    const std::vector<std::string> &trace = windows.trace();
    const std::vector<std::string> wait(std::find(trace.begin(), trace.end(), "post up") + 1,
                                        trace.end());
    std::vector<std::string> expected;
    for (int poll = 0; poll < 4; ++poll) {
        expected.insert(expected.end(), {"yield for 10 ms", "get length", "get text"});
    }
    expected.push_back("set text ");
    EXPECT_EQ(wait, expected);
    EXPECT_EQ(client.sentLines(), (std::vector<std::string>{"coded"}));
}

TEST(SendToChatRoom, ClicksTheFifthIconFoundByAWrappingChain)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    // Two icons: the chain gives the first, the second, none, the first, the second.
    const auto room = client.addDocument({.icons = 2}, "", 1);
    SteppingClock clock = wholeSecondClock();

    sendToChatRoom("hello", windows, clock);

    EXPECT_EQ(windows.clickedWindows(), (std::vector<WindowHandle>{room.icons[1]}));
    EXPECT_EQ(client.sentLines(), (std::vector<std::string>{"hello"}));
}

TEST(SendToChatRoom, EndsWhenTheRoomClosesDuringTheWait)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    const auto room = client.addDocument(RoomChildren{}, "mine", -1);
    windows.onYield([&] { windows.removeWindow(room.window); });
    SteppingClock clock = wholeSecondClock();

    sendToChatRoom("coded", windows, clock);

    EXPECT_EQ(windows.yieldCount(), 1);
    EXPECT_EQ(windows.trace().back(), "set text mine");
}
