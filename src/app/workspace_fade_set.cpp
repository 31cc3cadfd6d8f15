#include "app/workspace_fade_set.h"

#include "app/forms.h"
#include "menu/mainmenu.h"
#include "workspace/tintarawin.h"

#include <QAction>

namespace tintara
{

FadeSet workspaceFadeSet(Forms &forms)
{
    const TintaraWin *win = forms.tintarawin();
    const MainMenu *menu = forms.mainmenu();
    FadeSet set;
    set.colourCount = win->colourCount();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        set.palette[slot - 1] = win->slotColour(slot);
    }
    for (const StyleEntry &entry : kStyles) {
        set.styles.*entry.flag = menu->styleAction(entry.style)->isChecked();
    }
    return set;
}

void applyFadeSetReading(Forms &forms, const FadeSetReading &reading)
{
    if (!reading.colourCount) {
        return;
    }
    TintaraWin *win = forms.tintarawin();
    win->setColourCount(*reading.colourCount);
    if (!reading.fadeSet) {
        return;
    }
    const FadeSet &set = *reading.fadeSet;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        win->setSlotColour(slot, set.palette[slot - 1]);
    }
    const MainMenu *menu = forms.mainmenu();
    for (const StyleEntry &entry : kStyles) {
        menu->styleAction(entry.style)->setChecked(set.styles.*entry.flag);
    }
    win->selectSlot(1);
}

} // namespace tintara
