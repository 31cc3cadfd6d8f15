#pragma once

namespace tintara
{

class RandomSource;
class TintaraWin;

// "randomi&ze colors...": one use of random colours (always thirty draws)
// paints slots 1..count; the slots beyond the count keep their colours.
// Slot 1 is the one being edited afterwards.
void mnu_rand_Click(TintaraWin &win, RandomSource &random);

} // namespace tintara
