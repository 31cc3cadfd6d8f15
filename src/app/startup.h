#pragma once

class QScreen;
class QWidget;

namespace tintara
{

class Forms;

// What closing the splash does: shows the main window, then the coded-text
// window 20 twips below it. The first time, the pair is centred on the screen.
void showWorkingWindows(Forms &forms, QScreen *screen);

// Puts `lower` 20 twips below `upper`, their left edges aligned, moved back
// inside the available area of `upper`'s screen where it would stick out.
void placeBelow(QWidget *lower, const QWidget *upper);

} // namespace tintara
