#pragma once

#include "ui/frameless_form.h"

class QLabel;
class QTimer;

namespace tintara
{

class LabelButton;

// The about window. Loading it sets the two working windows out of the way
// (the main window disabled and minimised, the coded-text window disabled and
// hidden) and slides its title in from above; each click on the title shows
// the next credit line, and "close" closes it. Closing it by any path puts
// the two windows back, enabled, where they were, and reports unloaded(). A
// closed window is deleted; the next one starts afresh.
class AboutWin : public FramelessForm
{
    Q_OBJECT

public:
    AboutWin(QWidget &mainWindow, QWidget &codedWindow);

    // One step of the slide-in animation, run by the 10 ms timer tmrform.
    void tmrform_Timer();
    // Shows the next credit line, or closes the window on "close".
    void Label1_Click();

signals:
    // The window has closed, by whichever path; emitted once.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();

    QWidget &mainWindow_;
    QWidget &codedWindow_;
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

} // namespace tintara
