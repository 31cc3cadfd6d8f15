#pragma once

#include "ui/frameless_form.h"

class QLabel;
class QTimer;

namespace tintara
{

class Forms;
class LabelButton;

// The about window. Loading it sets the other windows out of the way (the
// main window disabled and minimised, the coded-text window disabled and
// hidden, an open preview closed) and slides its title in from above; each
// click on the title shows the next credit line, and "close" closes it.
// Closing it by any path puts the other two windows back, enabled, where
// they were. A closed window is deleted; the next one starts afresh.
class AboutWin : public FramelessForm
{
    Q_OBJECT

public:
    explicit AboutWin(Forms &forms);

    // One step of the slide-in animation, run by the 10 ms timer tmrform.
    void tmrform_Timer();
    // Shows the next credit line, or closes the window on "close".
    void Label1_Click();

    // True once the window has been closed; it is deleted soon after.
    bool isUnloaded() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();

    Forms &forms_;
    QWidget *picture1_;
    LabelButton *label1_;
    QLabel *label2_;
    QTimer *tmrform_;
    // The animated tops, in twips, as the steps are counted in twips.
    int picture1Top_;
    int label1Top_;
    // Where the main and coded-text windows stood when this window loaded.
    int fadetop_ = 0;
    int fadeleft_ = 0;
    int htmltop_ = 0;
    int htmlleft_ = 0;
    bool unloaded_ = false;
};

// The "about tintara..." command: shows the about window without blocking
// the others, or only brings it forward when it is already open.
void showAboutWindow(Forms &forms);

} // namespace tintara
