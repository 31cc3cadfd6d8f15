#pragma once

class QScreen;

namespace tintara
{

class Forms;

// What closing the splash does: shows the main window, then the coded-text
// window 20 twips below it. The first time, the pair is centred on the screen.
void showWorkingWindows(Forms &forms, QScreen *screen);

} // namespace tintara
