#pragma once

#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>

namespace tintara
{

class AboutWin;
class Clipboard;
class SecondsClock;
class WindowSystem;
class FileDialog;
class HtmlWin;
class MainMenu;
class PreviewWin;
class TintaraWin;

// The program's windows, each created (hidden) the first time any code asks
// for it and kept until the program ends, and the seams through which they
// reach the system. Tests make their own Forms and swap the seams.
class Forms
{
public:
    Forms();
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    TintaraWin *tintarawin();
    HtmlWin *htmlwin();
    MainMenu *mainmenu();
    // The about window is deleted when it closes; asking again loads a new one.
    AboutWin *aboutwin();
    // The preview window is loaded on demand and unloaded when it closes.
    PreviewWin *previewwin();

    FileDialog &fileDialog();
    void setFileDialog(std::unique_ptr<FileDialog> dialog);
    Clipboard &clipboard();
    void setClipboard(std::unique_ptr<Clipboard> clipboard);

    // The chat client's windows, and the time-of-day clock the chat command
    // pauses on; tests put in a simulated client and a clock of their own.
    WindowSystem &chatWindows();
    void setChatWindows(std::unique_ptr<WindowSystem> windows);
    SecondsClock &clock();
    void setClock(SecondsClock &clock);

    // The preview window sets the flag while it is loaded and registers how
    // to unload it; minimising the main window closes it that way.
    bool previewOpen() const;
    void setPreviewOpen(bool open);
    void setPreviewUnloader(std::function<void()> unload);
    void unloadPreviewIfOpen();

    // Ends the program at once: every window disappears, no window's closing
    // handling runs, and then the event loop is told to quit (through the
    // quit handler, which tests replace). A command caught in a yield ends
    // with the program at its next yieldToEvents.
    void exitProgram();
    void setQuitHandler(std::function<void()> quit);

    // The yield of every command that waits: lets pending events run, and
    // if "exit" was chosen meanwhile, ends the program there and then rather
    // than letting the command go on out of sight (through the end handler,
    // which tests replace; the real one ends the process at once).
    void yieldToEvents();
    // The same for about `pause`, in an event loop that sleeps until an event
    // comes, so that a command polling the chat client keeps no processor busy.
    void yieldToEventsFor(std::chrono::milliseconds pause);
    void setEndHandler(std::function<void()> end);

private:
    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<Clipboard> clipboard_;
    std::unique_ptr<WindowSystem> chatWindows_;
    SecondsClock *clock_;
    std::function<void()> quit_;
    std::function<void()> end_;
    bool exiting_ = false;
    bool previewOpen_ = false;
    std::function<void()> unloadPreview_;
    QPointer<AboutWin> aboutwin_;
    // Declared so that the windows go first and the menu form last.
    std::unique_ptr<MainMenu> mainmenu_;
    std::unique_ptr<HtmlWin> htmlwin_;
    std::unique_ptr<TintaraWin> tintarawin_;
    QPointer<PreviewWin> previewwin_;
};

} // namespace tintara
