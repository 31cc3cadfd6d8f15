#pragma once

#include "engine/color.h"
#include "engine/fade_command.h"
#include "ui/frameless_form.h"

#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;
class QTimer;

namespace tintara
{

class ColourSample;

// The main window: edits a palette of ten colour slots through the red,
// green and blue bars, sets how many colours a fade uses, and holds the text
// to fade. The slots themselves are never shown: the bars edit the current
// colour, and a 100 ms tick copies it into the slot being edited. What the
// other windows show of it, they learn from its signals.
class TintaraWin : public FramelessForm
{
    Q_OBJECT

public:
    // The fade command runs against `fadeHost`, which reads this window and
    // writes the coded text.
    explicit TintaraWin(FadeCommandHost &fadeHost);

    // Palette slots 1..10. Code that rewrites slots calls selectSlot(1) after.
    ColorValue slotColour(int slot) const;
    void setSlotColour(int slot, ColorValue colour);

    // The colour being edited: always the one composed from the three bars.
    ColorValue currentColour() const;
    int currentSlot() const;
    // Loads slot n into the bars and makes it the slot being edited.
    void selectSlot(int slot);

    // The colour count, 2..10. Setting a different count runs its change
    // handling (caption, countChanged, selectSlot(1)).
    int colourCount() const;
    void setColourCount(int count);

    // "&restore defaults": every slot white, the colour count 2 and slot 1
    // being edited, as when the window starts. The text and the styles stay.
    void restoreDefaults();

    QLineEdit *txtfade1() const;

    // The fade command, run by "fade" and by Enter in the text box.
    void btnfade_Click();
    // Copies the current colour into the current slot.
    void tmrclr_Timer();

signals:
    // selectSlot made `slot` the one being edited.
    void slotSelected(int slot);
    // The colour count became `count`; slot 1 is selected right after.
    void countChanged(int count);
    // Reported at each change of the window's state: true when it is
    // minimised, false when it is in the normal state. A maximised window
    // reports nothing. Where the platform leaves a minimised window on the
    // screen, it returns to the normal state half a second later.
    void minimisedChanged(bool minimised);
    // "options" was clicked: the options menu belongs at `at` (global).
    void optionsRequested(QPoint at);
    // The window system asked the window to close (Alt+F4, a taskbar's
    // close). The window stays; whoever owns the program decides.
    void closeRequested();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct BarDesign {
        int minimum;
        int maximum;
        int value;
        int largeChange;
        QColor empty; // the groove's colours from left to right
        QColor full;
    };
    QScrollBar *addBar(const QString &name, QRect twips, const BarDesign &design);
    void colourBar_Change(QScrollBar *bar, QLabel *valueLabel);
    void colors1_Change();
    void btncopy_Click();
    void btnops_Click();
    void Form_Resize();

    FadeCommandHost &fadeHost_;
    std::array<ColorValue, kMaxColors> slots_;
    int currentSlot_ = 1;

    QLabel *title_;
    QScrollBar *red1_;
    QScrollBar *green1_;
    QScrollBar *blue1_;
    QLabel *lblred2_;
    QLabel *lblgreen2_;
    QLabel *lblblue2_;
    ColourSample *fade1_;
    QLineEdit *txthex1_;
    QScrollBar *colors1_;
    QLabel *lblcolors1_;
    QLineEdit *txtfade1_;
    QTimer *tmrclr_;
};

} // namespace tintara
