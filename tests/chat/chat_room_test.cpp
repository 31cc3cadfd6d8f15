#include "chat/chat_room.h"
#include "support/fake_window_system.h"
#include "support/simulated_chat_client.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tintara;

TEST(NthChild, ChainsLookupsThatWrapToTheFirstChildAfterNone)
{
    FakeWindowSystem windows;
    const WindowHandle parent = windows.addWindow(kNoWindow, "Parent");
    const WindowHandle first = windows.addWindow(parent, "X");
    windows.addWindow(parent, "Y");
    const WindowHandle second = windows.addWindow(parent, "X");

    EXPECT_EQ(nthChild(windows, parent, "X", 1), first);
    EXPECT_EQ(nthChild(windows, parent, "X", 2), second);
    EXPECT_EQ(nthChild(windows, parent, "X", 3), kNoWindow);
    EXPECT_EQ(nthChild(windows, parent, "X", 4), first);
    EXPECT_EQ(nthChild(windows, parent, "X", 5), second);
    EXPECT_EQ(nthChild(windows, parent, "X", 6), kNoWindow);
    EXPECT_EQ(nthChild(windows, parent, "Z", 3), kNoWindow);
}

TEST(NthChild, FindsNothingUnderNoParentEvenWhereTopLevelWindowsMatch)
{
    FakeWindowSystem windows;
    windows.addWindow(kNoWindow, "X");
    EXPECT_EQ(nthChild(windows, kNoWindow, "X", 1), kNoWindow);
    EXPECT_TRUE(windows.trace().empty());
}

struct SignatureCase {
    const char *name;
    RoomChildren children;
    bool isRoom;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SignatureCase &signatureCase, std::ostream *out)
{
    *out << signatureCase.name;
}

class ChatRoomSignature : public testing::TestWithParam<SignatureCase>
{
};

TEST_P(ChatRoomSignature, NeedsAllTwelveLookupsToFindAWindow)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    const WindowHandle document = client.addDocument(GetParam().children).window;
    EXPECT_EQ(isChatRoom(windows, document), GetParam().isRoom);
}

// Counts below the ones asked for can still pass: the lookup chains wrap after none. With k
// children of a class, the n-th lookup finds none exactly when n is a multiple of k + 1.
INSTANTIATE_TEST_SUITE_P(Counts, ChatRoomSignature,
                         testing::Values(SignatureCase{"FullRoom", {}, true},
                                         SignatureCase{"NoStatics", {.statics = 0}, false},
                                         SignatureCase{"OneStatic", {.statics = 1}, false},
                                         SignatureCase{"TwoStaticsWrap", {.statics = 2}, true},
                                         SignatureCase{"ThreeStatics", {.statics = 3}, false},
                                         SignatureCase{"FourStatics", {.statics = 4}, false},
                                         SignatureCase{"OneRichText", {.richText = 1}, false},
                                         SignatureCase{"NoCombobox", {.comboboxes = 0}, false},
                                         SignatureCase{"OneIcon", {.icons = 1}, false},
                                         SignatureCase{"TwoIconsWrap", {.icons = 2}, true},
                                         SignatureCase{"ThreeIcons", {.icons = 3}, false},
                                         SignatureCase{"FourIconsWrap", {.icons = 4}, true},
                                         SignatureCase{"SixIcons", {.icons = 6}, false},
                                         SignatureCase{"ThirteenIcons", {.icons = 13}, false},
                                         SignatureCase{"NoImage", {.images = 0}, false},
                                         SignatureCase{"NoListbox", {.listboxes = 0}, false}),
                         [](const testing::TestParamInfo<SignatureCase> &info) {
                             return info.param.name;
                         });

TEST(IsChatRoom, NoWindowIsNeverARoom)
{
    FakeWindowSystem windows;
    EXPECT_FALSE(isChatRoom(windows, kNoWindow));
    EXPECT_TRUE(windows.trace().empty());
}

TEST(FindChatRoom, TakesTheFirstDocumentWindowWithoutYielding)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    const WindowHandle room = client.addChatRoom().window;
    client.addDocument({.listboxes = 0});

    EXPECT_EQ(findChatRoom(windows), room);
    EXPECT_EQ(windows.yieldCount(), 0);
}

TEST(FindChatRoom, FindsTheThirdDocumentWindowAfterTwoStepsEachAfterOneYield)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    client.addDocument({.icons = 3});
    client.addDocument({.statics = 0, .richText = 0});
    const WindowHandle room = client.addChatRoom().window;

    EXPECT_EQ(findChatRoom(windows), room);
    std::vector<std::string> steps;
    for (const std::string &call : windows.trace()) {
        if (call == "yield" || call == "find AOL Child") {
            steps.push_back(call);
        }
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"find AOL Child", "yield", "find AOL Child", "yield",
                                               "find AOL Child"}));
}

TEST(FindChatRoom, GivesUpAfterOneHundredStepsCyclingThroughTheDocuments)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    client.addDocument({.listboxes = 0});
    client.addDocument({.images = 0});

    EXPECT_EQ(findChatRoom(windows), kNoWindow);
    EXPECT_EQ(windows.yieldCount(), 100);
    // The first lookup and one per step; every third step lands on none and counts as failed.
    EXPECT_EQ(windows.traceOf("find AOL Child").size(), 101u);
}

TEST(FindChatRoom, WithoutAClientYieldsOneHundredTimesAndIgnoresStrayWindows)
{
    FakeWindowSystem windows;
    // Top-level windows of the client's inner classes are not a client.
    windows.addWindow(kNoWindow, "MDIClient");
    const WindowHandle stray = windows.addWindow(kNoWindow, "AOL Child");
    for (const char *className :
         {"_AOL_Static", "RICHCNTL", "_AOL_Combobox", "_AOL_Icon", "_AOL_Image", "_AOL_Listbox"}) {
        for (int i = 0; i < 14; ++i) {
            windows.addWindow(stray, className);
        }
    }

    EXPECT_EQ(findChatRoom(windows), kNoWindow);
    EXPECT_EQ(windows.yieldCount(), 100);
    EXPECT_EQ(windows.traceOf("find ").size(), 1u); // only the main window was looked for
}

TEST(FindChatRoom, FindsARoomThatOpensDuringTheSearch)
{
    FakeWindowSystem windows;
    SimulatedChatClient client(windows);
    client.addDocument({.listboxes = 0});
    WindowHandle room = kNoWindow;
    windows.onYield([&] {
        if (windows.yieldCount() == 10) {
            room = client.addChatRoom().window;
        }
    });

    EXPECT_EQ(findChatRoom(windows), room);
    EXPECT_NE(room, kNoWindow);
    EXPECT_LT(windows.yieldCount(), 100);
}

TEST(ReadControlText, ReadsTheTextTheControlCopies)
{
    FakeWindowSystem windows;
    const WindowHandle box = windows.addWindow(kNoWindow, "RICHCNTL", "half a line");
    EXPECT_EQ(readControlText(windows, box), "half a line");
    EXPECT_EQ(windows.lastTextCapacity(), 12u);

    // A text that shrank between the two messages: only what was copied, no padding.
    windows.claimTextLength(box, 40);
    EXPECT_EQ(readControlText(windows, box), "half a line");

    EXPECT_EQ(readControlText(windows, kNoWindow), "");
}

TEST(ReadControlText, DoesNotBelieveAnAbsurdLength)
{
    FakeWindowSystem windows;
    const WindowHandle box = windows.addWindow(kNoWindow, "RICHCNTL", "abc");
    windows.claimTextLength(box, std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(readControlText(windows, box), "abc");
    EXPECT_EQ(windows.lastTextCapacity(), kMaxControlTextLength + 1);
}
