#include "app/forms.h"

#include "about/aboutwin.h"
#include "app/menu_commands.h"
#include "app/startup.h"
#include "chat/platform_window_system.h"
#include "chat/seconds_clock.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "ui/clipboard.h"
#include "ui/file_dialog.h"
#include "workspace/tintarawin.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>

#include <cstdlib>

namespace tintara
{

Forms::Forms()
    : fileDialog_(std::make_unique<SystemFileDialog>()),
      clipboard_(std::make_unique<SystemClipboard>()),
      chatWindows_(makePlatformWindowSystem(
          [this] { yieldToEvents(); },
          [this](std::chrono::milliseconds pause) { yieldToEventsFor(pause); })),
      clock_(&systemSecondsClock()), quit_([] { QCoreApplication::exit(0); }),
      end_([] { std::_Exit(0); })
{
}

Forms::~Forms()
{
    // An open preview or about window refers to the windows and connections
    // made here, so it must not outlive them.
    delete previewwin_.data();
    delete aboutwin_.data();
}

TintaraWin *Forms::tintarawin()
{
    if (!tintarawin_) {
        tintarawin_ = std::make_unique<TintaraWin>(fadeHost_);
        TintaraWin *win = tintarawin_.get();
        QObject::connect(win, &TintaraWin::slotSelected, win,
                         [this](int slot) { mainmenu()->showCurrentSlot(slot); });
        QObject::connect(win, &TintaraWin::countChanged, win,
                         [this](int count) { mainmenu()->enableSlotEntries(count); });
        QObject::connect(win, &TintaraWin::optionsRequested, win,
                         [this](QPoint at) { mainmenu()->mnu()->popup(at); });
        QObject::connect(win, &TintaraWin::minimisedChanged, win,
                         [this](bool minimised) { followMainWindow(minimised); });
        // Without the main window nothing is left to run the program from.
        QObject::connect(win, &TintaraWin::closeRequested, win, [this] { exitProgram(); });
    }
    return tintarawin_.get();
}

void Forms::followMainWindow(bool minimised)
{
    // A hidden coded-text window keeps hidden.
    HtmlWin *coded = htmlwin();
    if (minimised) {
        coded->setWindowState(coded->windowState() | Qt::WindowMinimized);
        coded->setEnabled(false);
        unloadPreviewIfOpen();
    } else {
        coded->setWindowState(coded->windowState() & ~Qt::WindowMinimized);
        coded->setEnabled(true);
    }
}

HtmlWin *Forms::htmlwin()
{
    if (!htmlwin_) {
        htmlwin_ = std::make_unique<HtmlWin>(*clipboard_);
        QObject::connect(htmlwin_.get(), &HtmlWin::opsRequested, htmlwin_.get(),
                         [this](QPoint at) { mainmenu()->mnu2()->popup(at); });
        QObject::connect(htmlwin_.get(), &HtmlWin::previewRequested, htmlwin_.get(),
                         [this] { runPreview(); });
    }
    return htmlwin_.get();
}

MainMenu *Forms::mainmenu()
{
    if (!mainmenu_) {
        mainmenu_ = std::make_unique<MainMenu>();
        connectMenuCommands(*this, *mainmenu_);
    }
    return mainmenu_.get();
}

PreviewWin *Forms::previewwin()
{
    if (previewwin_.isNull()) {
        previewwin_ = new PreviewWin;
        // The first preview opens just below the coded-text window; later
        // ones where the last one was left.
        if (previewPlace_) {
            previewwin_->move(*previewPlace_);
        } else {
            placeBelow(previewwin_.data(), htmlwin());
        }
        // Unloaded the moment it closes, though its deletion comes later.
        QObject::connect(previewwin_.data(), &PreviewWin::unloaded, previewwin_.data(), [this] {
            previewPlace_ = previewwin_->pos();
            previewwin_.clear();
        });
    }
    return previewwin_.data();
}

AboutWin *Forms::aboutwin()
{
    if (aboutwin_.isNull()) {
        aboutwin_ = new AboutWin(*tintarawin(), *htmlwin());
        // Unloaded the moment it closes, though its deletion comes later.
        QObject::connect(aboutwin_.data(), &AboutWin::unloaded, aboutwin_.data(),
                         [this] { aboutwin_.clear(); });
        unloadPreviewIfOpen();
    }
    return aboutwin_.data();
}

FileDialog &Forms::fileDialog()
{
    return *fileDialog_;
}

void Forms::setFileDialog(std::unique_ptr<FileDialog> dialog)
{
    fileDialog_ = std::move(dialog);
}

void Forms::setClipboard(std::unique_ptr<Clipboard> clipboard)
{
    clipboard_ = std::move(clipboard);
}

WindowSystem &Forms::chatWindows()
{
    return *chatWindows_;
}

void Forms::setChatWindows(std::unique_ptr<WindowSystem> windows)
{
    chatWindows_ = std::move(windows);
}

SecondsClock &Forms::clock()
{
    return *clock_;
}

void Forms::setClock(SecondsClock &clock)
{
    clock_ = &clock;
}

bool Forms::previewOpen() const
{
    return !previewwin_.isNull();
}

void Forms::unloadPreviewIfOpen()
{
    if (!previewwin_.isNull()) {
        previewwin_->unload();
    }
}

void Forms::runPreview()
{
    previewwin()->preview(htmlwin()->codedText());
}

void Forms::exitProgram()
{
    exiting_ = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    quit_();
}

void Forms::setQuitHandler(std::function<void()> quit)
{
    quit_ = std::move(quit);
}

void Forms::yieldToEvents()
{
    QCoreApplication::processEvents();
    if (exiting_) {
        end_();
    }
}

void Forms::yieldToEventsFor(std::chrono::milliseconds pause)
{
    QEventLoop loop;
    QTimer::singleShot(pause, &loop, &QEventLoop::quit);
    loop.exec();
    if (exiting_) {
        end_();
    }
}

void Forms::setEndHandler(std::function<void()> end)
{
    end_ = std::move(end);
}

} // namespace tintara
