#pragma once

namespace tintara
{

class TintaraWin;

// "&restore defaults": every slot white, the colour count 2 and slot 1 being
// edited, as when the window starts. The text and the style marks stay.
void restoreDefaults(TintaraWin &win);

} // namespace tintara
