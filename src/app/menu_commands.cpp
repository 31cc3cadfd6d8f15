#include "app/menu_commands.h"

#include "about/aboutwin.h"
#include "app/chat_command.h"
#include "app/fade_set_commands.h"
#include "app/forms.h"
#include "app/random_colours_command.h"
#include "app/save_coding.h"
#include "engine/random_colours.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "workspace/tintarawin.h"

#include <QAction>

#include <memory>

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
    // Shown without blocking the other windows; an open one only comes forward.
    onEntry(menu, QStringLiteral("mnu_about"), [&forms] {
        AboutWin *about = forms.aboutwin();
        about->show();
        about->raise();
        about->activateWindow();
    });
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        onEntry(menu, QStringLiteral("mnu_cnum%1").arg(slot),
                [&forms, slot] { forms.tintarawin()->selectSlot(slot); });
    }
    onEntry(menu, QStringLiteral("mnu_defaults"),
            [&forms] { forms.tintarawin()->restoreDefaults(); });
    // The menu form lives for the whole run, and so does this one generator.
    onEntry(menu, QStringLiteral("mnu_rand"),
            [&forms, random = std::make_shared<FixedStartRandom>()] {
                mnu_rand_Click(*forms.tintarawin(), *random);
            });
    const auto fadeSets = std::make_shared<FadeSetCommands>(forms);
    onEntry(menu, QStringLiteral("mnu_saveset"), [fadeSets] { fadeSets->mnu_saveset_Click(); });
    onEntry(menu, QStringLiteral("mnu_openpre"), [fadeSets] { fadeSets->mnu_openpre_Click(); });
    onEntry(menu, QStringLiteral("mnu_preview"), [&forms] { forms.runPreview(); });
    onEntry(menu, QStringLiteral("mnu_aolchat"), [&forms] { mnu_aolchat_Click(forms); });
}

} // namespace tintara
