#include "shell/forms.h"

#include "menu/mainmenu.h"
#include "menu/menu_commands.h"
#include "preview/htmlwin.h"
#include "shell/clipboard.h"
#include "shell/file_dialog.h"
#include "workspace/tintarawin.h"

#include <QApplication>

namespace tintara
{

Forms::Forms()
    : fileDialog_(std::make_unique<SystemFileDialog>()),
      clipboard_(std::make_unique<SystemClipboard>()), quit_([] { QCoreApplication::exit(0); })
{
}

Forms::~Forms() = default;

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
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    quit_();
}

void Forms::setQuitHandler(std::function<void()> quit)
{
    quit_ = std::move(quit);
}

} // namespace tintara
