#include "app/random_colours_command.h"

#include "engine/random_colours.h"
#include "workspace/tintarawin.h"

namespace tintara
{

void mnu_rand_Click(TintaraWin &win, RandomSource &random)
{
    const Palette drawn = drawRandomPalette(random);
    const int count = win.colourCount();
    for (int slot = 1; slot <= count; ++slot) {
        win.setSlotColour(slot, drawn[slot - 1]);
    }
    win.selectSlot(1);
}

} // namespace tintara
