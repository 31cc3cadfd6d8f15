#pragma once

#include "engine/blend.h"
#include "engine/fade_styles.h"

#include <QWidget>

#include <array>

class QAction;
class QMenu;

namespace tintara
{

// The choices of the "size" sub-menu, in percent of the forms' designed size.
inline constexpr std::array kSizePercents{100, 150, 200};

// The hidden form that owns the two popup menus: `mnu`, opened by "options"
// in the main window, and `mnu2`, opened by "ops." in the coded-text window.
// Every entry is a QAction named like its menu item (mnu_bold, mnu_cnum1,
// mnubrk11, ...); sub-menus are reached through their entry's action. The
// commands are connected in connectMenuCommands.
class MainMenu : public QWidget
{
    Q_OBJECT

public:
    MainMenu();

    QMenu *mnu() const;
    QMenu *mnu2() const;

    // Any entry of either menu by name, separators and sub-menu entries
    // included; null for an unknown name.
    QAction *action(const QString &name) const;
    // mnu_cnum1 .. mnu_cnum10.
    QAction *cnum(int slot) const;
    // Entry n is enabled exactly when n <= count, so only slots in use can
    // be chosen.
    void enableSlotEntries(int count);
    // mnu_curnum names the slot being edited.
    void showCurrentSlot(int slot);
    // The style toggles mnu_bold, mnu_italic, mnu_strike and mnu_underline;
    // their check marks are the only copy of the four style flags.
    QAction *styleAction(Style style) const;
    // The checked entry of the "blend" sub-menu (mnu_blendrgb, mnu_blendoklab,
    // mnu_blendoklch): how fades mix their colours; rgb at first.
    Blend blend() const;
    void setBlend(Blend blend);
    // mnu_size100, mnu_size150, mnu_size200: exactly one is checked.
    QAction *sizeAction(int percent) const;

private:
    QMenu *mnu_;
    QMenu *mnu2_;
};

} // namespace tintara
