#pragma once

namespace tintara
{

// The "size" choice, for desktops that report no scale of their own: the
// forms drawn at 100%, 150% or 200%. It is the program's one setting, kept
// between runs, and it takes effect at the next start, since Qt fixes its
// scale before the first window.
int chosenSizePercent(); // 100 when never chosen, or when the stored value is not a choice
void rememberSizePercent(int percent);

// Run before the QApplication is made. The desktop's own scale is followed
// unrounded (150% stays 150%); a chosen size above 100% becomes Qt's scale
// factor, unless QT_SCALE_FACTOR already names one.
void applyChosenSize();

} // namespace tintara
