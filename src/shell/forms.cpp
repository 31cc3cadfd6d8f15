#include "shell/forms.h"

#include "chat/platform_window_system.h"
#include "chat/seconds_clock.h"
#include "menu/mainmenu.h"
#include "menu/menu_commands.h"
#include "preview/htmlwin.h"
#include "preview/preview_command.h"
#include "preview/previewwin.h"
#include "shell/aboutwin.h"
#include "shell/clipboard.h"
#include "shell/file_dialog.h"
#include "workspace/tintarawin.h"

#include <QApplication>
#include <QEventLoop>
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
    // The preview refers back to these forms, so it must not outlive them.
    delete previewwin_.data();
    delete aboutwin_.data();
}

TintaraWin *Forms::tintarawin()
{
    if (!tintarawin_) {
        tintarawin_ = std::make_unique<TintaraWin>(*this);
    }
    return tintarawin_.get();
}

HtmlWin *Forms::htmlwin()
{
    if (!htmlwin_) {
        htmlwin_ = std::make_unique<HtmlWin>(*this);
        QObject::connect(htmlwin_.get(), &HtmlWin::previewRequested, htmlwin_.get(),
                         [this] { runPreviewCommand(*this); });
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
    // A closed preview lingers until its deletion comes round; it is unloaded
    // all the same, so a new one is loaded.
    if (!previewwin_ || !previewOpen_) {
        previewwin_ = new PreviewWin(*this);
    }
    return previewwin_.data();
}

AboutWin *Forms::aboutwin()
{
    // A closed about window lingers until its deferred deletion; it no
    // longer counts as open.
    if (aboutwin_.isNull() || aboutwin_->isUnloaded()) {
        aboutwin_ = new AboutWin(*this);
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

Clipboard &Forms::clipboard()
{
    return *clipboard_;
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
    return previewOpen_;
}

void Forms::setPreviewOpen(bool open)
{
    previewOpen_ = open;
}

void Forms::setPreviewUnloader(std::function<void()> unload)
{
    unloadPreview_ = std::move(unload);
}

void Forms::unloadPreviewIfOpen()
{
    if (previewOpen_ && unloadPreview_) {
        unloadPreview_();
    }
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
