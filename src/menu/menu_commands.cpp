#include "menu/menu_commands.h"

#include "menu/chat_command.h"
#include "menu/mainmenu.h"
#include "menu/save_coding.h"
#include "preview/htmlwin.h"
#include "preview/preview_command.h"
#include "shell/forms.h"
#include "workspace/tintarawin.h"

#include <QAction>

namespace tintara
{

namespace
{

template <typename Command> void onEntry(MainMenu &menu, const QString &name, Command command)
{
    QObject::connect(menu.action(name), &QAction::triggered, &menu, std::move(command));
}

} // namespace

void connectMenuCommands(Forms &forms, MainMenu &menu)
{
    onEntry(menu, QStringLiteral("mnu_savehtml"), [&forms, &menu] {
        HtmlWin *coded = forms.htmlwin();
        saveCoding(coded, forms.fileDialog(), menu, coded->codedText());
    });
    onEntry(menu, QStringLiteral("mnu_mini"), [&forms] {
        TintaraWin *main = forms.tintarawin();
        main->setWindowState(main->windowState() | Qt::WindowMinimized);
    });
    onEntry(menu, QStringLiteral("mnu_exit"), [&forms] { forms.exitProgram(); });
    onEntry(menu, QStringLiteral("mnu_preview"), [&forms] { runPreviewCommand(forms); });
    onEntry(menu, QStringLiteral("mnu_aolchat"), [&forms] { mnu_aolchat_Click(forms); });
}

} // namespace tintara
