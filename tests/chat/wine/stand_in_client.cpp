// A stand-in for the chat client, for testing the chat delivery under Wine. Its main window
// "AOL Frame25" holds a real MDI area with several "AOL Child" document windows; the first one
// made is the chat room, so the MDI area, which lists its children newest first, shows it
// last. Its "RICHCNTL" boxes are edit controls under that class name; the second one, the input
// box, starts with a half-typed line. The room's fifth "_AOL_Icon" is the send button: like a
// busy client, it acts a little after a click, then appends the input box's text and a line end
// to chat.log and empties the box (an empty box sends nothing). Once built it writes "ready" (and
// whether the room is listed first) to ready.txt. When a file named "stop" appears it finishes a
// send still due, writes the input box's text to box.txt and ends. All files are in the current
// folder; text is in the ANSI code page.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{

// "café" in code page 1252.
constexpr char kHalfTypedLine[] = "half-typed caf\xE9";
constexpr UINT_PTR kStopTimer = 1;
constexpr UINT kStopPollMs = 50;
constexpr UINT_PTR kSendTimer = 2;
constexpr UINT kSendDelayMs = 300;
// Ends on its own after this many polls (30 s) should the test never ask it to.
constexpr int kMaxStopPolls = 600;

HINSTANCE instance;
HWND frame;
HWND mdiArea;
HWND inputBox;
HWND sendButton;
bool sendDue;
int stopPolls;

std::string windowText(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void writeFile(const char *name, const std::string &text, const char *mode)
{
    if (FILE *file = std::fopen(name, mode)) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

void sendLine()
{
    KillTimer(frame, kSendTimer);
    sendDue = false;
    const std::string line = windowText(inputBox);
    if (!line.empty()) {
        writeFile("chat.log", line + "\n", "ab");
        SetWindowTextA(inputBox, "");
    }
}

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kSendTimer) {
            sendLine();
        } else if (GetFileAttributesA("stop") != INVALID_FILE_ATTRIBUTES ||
                   ++stopPolls > kMaxStopPolls) {
            KillTimer(window, kStopTimer);
            if (sendDue) {
                sendLine();
            }
            writeFile("box.txt", windowText(inputBox), "wb");
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefFrameProcA(window, mdiArea, message, wParam, lParam);
    }
}

LRESULT CALLBACK documentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK iconProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONUP && window == sendButton) {
        sendDue = true;
        SetTimer(frame, kSendTimer, kSendDelayMs, nullptr);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerClass(const char *name, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

// "RICHCNTL": the system edit control under the client's class name.
void registerRichTextClass()
{
    WNDCLASSEXA edit{};
    edit.cbSize = sizeof edit;
    GetClassInfoExA(nullptr, "EDIT", &edit);
    edit.hInstance = instance;
    edit.lpszClassName = "RICHCNTL";
    RegisterClassExA(&edit);
}

struct Children {
    int statics;
    int richText;
    int comboboxes;
    int icons;
    int images;
    int listboxes;
};

constexpr Children kChatRoomChildren{5, 2, 1, 14, 1, 1};

// Adds `count` children of the class; returns them in order.
std::vector<HWND> addChildren(HWND parent, const char *className, int count, DWORD style = 0)
{
    std::vector<HWND> children;
    for (int i = 0; i < count; ++i) {
        children.push_back(CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0,
                                           20 * i, 100, 20, parent, nullptr, instance, nullptr));
    }
    return children;
}

struct Document {
    HWND window;
    std::vector<HWND> richText;
    std::vector<HWND> icons;
};

// A document window whose second "RICHCNTL" box, when it has one, holds `typed`.
Document addDocument(const char *title, const Children &children, const char *typed)
{
    Document document{
        CreateMDIWindowA("AOL Child", title, WS_VISIBLE, 0, 0, 400, 300, mdiArea, instance, 0),
        {},
        {}};
    addChildren(document.window, "_AOL_Static", children.statics);
    // Without scrolling, an edit control takes no more text than fits its width.
    document.richText = addChildren(document.window, "RICHCNTL", children.richText, ES_AUTOHSCROLL);
    addChildren(document.window, "_AOL_Combobox", children.comboboxes);
    document.icons = addChildren(document.window, "_AOL_Icon", children.icons);
    addChildren(document.window, "_AOL_Image", children.images);
    addChildren(document.window, "_AOL_Listbox", children.listboxes);
    if (document.richText.size() >= 2) {
        SetWindowTextA(document.richText[1], typed);
    }
    return document;
}

} // namespace

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int)
{
    instance = thisInstance;
    registerClass("AOL Frame25", frameProc);
    registerClass("AOL Child", documentProc);
    registerClass("_AOL_Icon", iconProc);
    for (const char *name : {"_AOL_Static", "_AOL_Combobox", "_AOL_Image", "_AOL_Listbox"}) {
        registerClass(name, DefWindowProcA);
    }
    registerRichTextClass();

    frame = CreateWindowExA(0, "AOL Frame25", "America Online", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                            nullptr, nullptr, instance, nullptr);
    CLIENTCREATESTRUCT mdiSetup{nullptr, 1000};
    mdiArea = CreateWindowExA(0, "MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                              0, 800, 600, frame, nullptr, instance, &mdiSetup);
    const Document room = addDocument("Lobby", kChatRoomChildren, kHalfTypedLine);
    inputBox = room.richText[1];
    sendButton = room.icons[4];
    // Made after the room, so listed before it; each misses one lookup of the room search.
    addDocument("Welcome", {5, 2, 1, 14, 1, 0}, "welcome box");
    addDocument("Buddy List", {5, 2, 1, 3, 1, 1}, "buddy box");
    ShowWindow(frame, SW_SHOW);

    const bool roomFirst = FindWindowExA(mdiArea, nullptr, "AOL Child", nullptr) == room.window;
    writeFile("ready.txt", roomFirst ? "ready room-first\n" : "ready room-not-first\n", "wb");
    SetTimer(frame, kStopTimer, kStopPollMs, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateMDISysAccel(mdiArea, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
