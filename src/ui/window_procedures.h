#pragma once

class QWidget;

namespace tintara
{

// Keeps the window above all other windows.
void keepOnTop(QWidget *form);

// Hands the press that is under way to the window system, which then moves
// the window with the mouse. False when it cannot (no window manager).
bool dragWindow(QWidget *form);

// Lets the user move the window by pressing any mouse button on its body or
// on a label that passes the press on (its title), then moving it. Where the
// window system cannot move it, the window follows the mouse while a button is
// held: release, a move without buttons, or losing the grab or focus ends it.
void enableDragging(QWidget *form);

} // namespace tintara
