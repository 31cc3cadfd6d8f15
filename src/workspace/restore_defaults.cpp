#include "workspace/restore_defaults.h"

#include "workspace/tintarawin.h"

namespace tintara
{

void restoreDefaults(TintaraWin &win)
{
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        win.setSlotColour(slot, kWhite);
    }
    // Runs the count handling only when the count was not 2 already.
    win.setColourCount(kMinColors);
    win.selectSlot(1);
}

} // namespace tintara
