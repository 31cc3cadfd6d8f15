#pragma once

// Drives the main window and its options menu as a user does: the menu opens
// from "options" and an entry is chosen through its action.

#include "menu/mainmenu.h"
#include "support/controls.h"
#include "support/forms_with_fakes.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <array>
#include <memory>

namespace tintara
{

inline ColorValue rgb(int red, int green, int blue)
{
    return makeColor(static_cast<std::int16_t>(red), static_cast<std::int16_t>(green),
                     static_cast<std::int16_t>(blue));
}

using Slots = std::array<ColorValue, kMaxColors>;

// One run of the program with its seams faked and the main window shown.
struct WorkspaceDriver {
    WorkspaceDriver()
        : fakes(std::make_unique<FormsWithFakes>()), win(fakes->forms.tintarawin()),
          menu(fakes->forms.mainmenu()), dialog(fakes->dialog)
    {
        win->move(100, 100);
        win->show();
    }

    // Opens the options menu with "options" and chooses the entry.
    void choose(const char *entry)
    {
        QTest::mouseClick(control(win, "btnops"), Qt::LeftButton);
        menu->action(QString::fromLatin1(entry))->trigger();
        menu->mnu()->close();
    }

    QScrollBar *bar(const char *name) const { return control<QScrollBar>(win, name); }
    QString label(const char *name) const { return control<QLabel>(win, name)->text(); }
    QString hexReadOut() const { return control<QLineEdit>(win, "txthex1")->text(); }
    QString curnum() const { return menu->action(QStringLiteral("mnu_curnum"))->text(); }
    bool styleOn(Style style) const { return menu->styleAction(style)->isChecked(); }
    void setStyle(Style style, bool on) const { menu->styleAction(style)->setChecked(on); }

    // Moves the three bars to the colour; the next tick stores it in the
    // current slot.
    void editColour(int red, int green, int blue) const
    {
        bar("red1")->setValue(red);
        bar("green1")->setValue(green);
        bar("blue1")->setValue(blue);
    }
    // Edits slot n through the menu and the bars, as a user does.
    void paintSlot(int slot, int red, int green, int blue)
    {
        choose(QStringLiteral("mnu_cnum%1").arg(slot).toLatin1().constData());
        editColour(red, green, blue);
        win->tmrclr_Timer();
    }

    Slots palette() const
    {
        Slots colours{};
        for (int slot = 1; slot <= kMaxColors; ++slot) {
            colours[slot - 1] = win->slotColour(slot);
        }
        return colours;
    }

    // The bars, the sample and the captions all name slot n.
    bool editing(int slot) const
    {
        const RgbTriple colour = splitColor(win->slotColour(slot));
        return win->currentSlot() == slot && bar("red1")->value() == colour.red &&
               bar("green1")->value() == colour.green && bar("blue1")->value() == colour.blue &&
               win->currentColour() == win->slotColour(slot) &&
               label("title") == QStringLiteral("tintara deluxe: color %1").arg(slot) &&
               curnum() == QStringLiteral("current: num. %1").arg(slot);
    }

    std::unique_ptr<FormsWithFakes> fakes;
    TintaraWin *win;
    MainMenu *menu;
    ScriptedFileDialog *dialog;
};

} // namespace tintara
