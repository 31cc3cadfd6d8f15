#pragma once

#include "app/workspace_fade_host.h"

#include <QPoint>
#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

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
// for it, and the seams through which they reach the system. This is where
// the windows are joined: each one is handed only what it needs and reports
// through its signals, and the answers are connected here. Tests make their
// own Forms and swap the seams.
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
    // The about window sets the main and coded-text windows aside while it
    // is loaded, and loading it closes the preview. It is unloaded when it
    // closes, and asking after that loads a new one.
    AboutWin *aboutwin();
    // The preview window is loaded on demand and unloaded when it closes;
    // asking after that loads a new one.
    PreviewWin *previewwin();

    // The seams are set before the windows that use them are made: a window
    // keeps the seam it was given.
    FileDialog &fileDialog();
    void setFileDialog(std::unique_ptr<FileDialog> dialog);
    void setClipboard(std::unique_ptr<Clipboard> clipboard);

    // The chat client's windows, and the time-of-day clock the chat command
    // pauses on; tests put in a simulated client and a clock of their own.
    WindowSystem &chatWindows();
    void setChatWindows(std::unique_ptr<WindowSystem> windows);
    SecondsClock &clock();
    void setClock(SecondsClock &clock);

    // Whether the preview window is loaded: the window is the one record.
    bool previewOpen() const;
    void unloadPreviewIfOpen();
    // The preview command of the "preview" label and "preview &context...":
    // shows the preview window (loading it if needed) and renders the current
    // coded text into it; repeating it renders again into the same window.
    void runPreview();

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
    // The coded-text window follows the main window into and out of the
    // minimised state, and minimising closes the preview.
    void followMainWindow(bool minimised);

    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<Clipboard> clipboard_;
    std::unique_ptr<WindowSystem> chatWindows_;
    SecondsClock *clock_;
    std::function<void()> quit_;
    std::function<void()> end_;
    bool exiting_ = false;
    WorkspaceFadeHost fadeHost_{*this};
    QPointer<AboutWin> aboutwin_;
    // Declared so that the windows go first and the menu form last.
    std::unique_ptr<MainMenu> mainmenu_;
    std::unique_ptr<HtmlWin> htmlwin_;
    std::unique_ptr<TintaraWin> tintarawin_;
    QPointer<PreviewWin> previewwin_;
    std::optional<QPoint> previewPlace_;
};

} // namespace tintara
