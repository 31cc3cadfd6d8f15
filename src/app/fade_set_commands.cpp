#include "app/fade_set_commands.h"

#include "app/forms.h"
#include "engine/fade_set.h"
#include "engine/file_replace.h"
#include "menu/mainmenu.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QFile>

namespace tintara
{

namespace
{

const QString kSaveTitle = QStringLiteral("Save tintara fade...");
const QString kOpenTitle = QStringLiteral("Open a tintara fade...");

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

FadeSet workspaceFadeSet(const TintaraWin &win, const MainMenu &menu)
{
    FadeSet set;
    set.colourCount = win.colourCount();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        set.palette[slot - 1] = win.slotColour(slot);
    }
    for (const StyleEntry &entry : kStyles) {
        set.styles.*entry.flag = menu.styleAction(entry.style)->isChecked();
    }
    set.blend = menu.blend();
    return set;
}

void applyFadeSetReading(const FadeSetReading &reading, TintaraWin &win, MainMenu &menu)
{
    if (!reading.colourCount) {
        return;
    }
    win.setColourCount(*reading.colourCount);
    if (!reading.fadeSet) {
        return;
    }
    const FadeSet &set = *reading.fadeSet;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        win.setSlotColour(slot, set.palette[slot - 1]);
    }
    for (const StyleEntry &entry : kStyles) {
        menu.styleAction(entry.style)->setChecked(set.styles.*entry.flag);
    }
    // A blend this program does not know reads as rgb.
    menu.setBlend(set.blend);
    win.selectSlot(1);
}

} // namespace

FadeSetCommands::FadeSetCommands(Forms &forms)
    : forms_(forms), commonDialog1_{{}, QStringLiteral("Tintara Fades (*.tnf*)"), {}}
{
}

void FadeSetCommands::mnu_saveset_Click()
{
    commonDialog1_.title = kSaveTitle;
    const QString name = chooseSaveName(forms_.fileDialog(), forms_.tintarawin(), commonDialog1_,
                                        QStringLiteral(".tnf"));
    if (name.isEmpty()) {
        return;
    }
    try {
        saveFadeSetFile(workspaceFadeSet(*forms_.tintarawin(), *forms_.mainmenu()),
                        localPath(name));
    } catch (const FileError &) {
        // The old file is left exactly as it was; the command stays silent.
    }
}

void FadeSetCommands::mnu_openpre_Click()
{
    commonDialog1_.title = kOpenTitle;
    const QString chosen = forms_.fileDialog().getOpenFileName(forms_.tintarawin(), commonDialog1_);
    if (chosen.isEmpty()) {
        return;
    }
    commonDialog1_.fileName = chosen;
    applyFadeSetReading(loadFadeSetFile(localPath(chosen)), *forms_.tintarawin(),
                        *forms_.mainmenu());
}

} // namespace tintara
