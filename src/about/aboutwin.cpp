#include "about/aboutwin.h"

#include "about/about_credits.h"
#include "ui/label_button.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/window_procedures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace tintara
{

namespace
{

const QRect kPicture1Twips(120, 120, 2175, 615);
const QRect kLabel1Twips(300, -300, 1545, 210);
const QRect kLabel2Twips(0, 340, 2175, 135);
// The box and then the title slide down until their tops reach this line.
constexpr int kRestTopTwips = 120;
constexpr int kPicture1StepTwips = 35;
constexpr int kLabel1StepTwips = 30;
// The box starts this far above the window's top edge.
constexpr int kPicture1StartGapTwips = 100;
constexpr int kTickMs = 10;

void moveTopTwips(QWidget *control, int topTwips)
{
    control->move(control->x(), twipsToPixels(topTwips));
}

int twipsOf(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace

AboutWin::AboutWin(QWidget &mainWindow, QWidget &codedWindow)
    : FramelessForm(QStringLiteral("aboutwin"), QStringLiteral("about tintara"),
                    twipsSize(2415, 855)),
      mainWindow_(mainWindow), codedWindow_(codedWindow), picture1Top_(kPicture1Twips.y()),
      label1Top_(kLabel1Twips.y())
{
    setAttribute(Qt::WA_DeleteOnClose);
    usePlainBody();

    picture1_ = new QWidget(this);
    place(picture1_, QStringLiteral("Picture1"), kPicture1Twips);

    label1_ = new LabelButton(aboutCredits().constFirst(), picture1_);
    label1_->setFont(arialFont(8, true));
    place(label1_, QStringLiteral("Label1"), kLabel1Twips);
    connect(label1_, &LabelButton::clicked, this, &AboutWin::Label1_Click);

    label2_ = new QLabel(QStringLiteral("(click text above)"), picture1_);
    label2_->setFont(arialFont(6, false));
    label2_->setAlignment(Qt::AlignCenter);
    setTextColour(label2_, kText);
    place(label2_, QStringLiteral("Label2"), kLabel2Twips);
    label2_->hide();

    tmrform_ = new QTimer(this);
    tmrform_->setObjectName(QStringLiteral("tmrform"));
    tmrform_->setInterval(kTickMs);
    connect(tmrform_, &QTimer::timeout, this, &AboutWin::tmrform_Timer);

    addFrameLines();
    Form_Load();
}

void AboutWin::Form_Load()
{
    keepOnTop(this);

    // Saved before anything is minimised, so these are the normal places.
    fadetop_ = twipsOf(mainWindow_.y());
    fadeleft_ = twipsOf(mainWindow_.x());
    htmltop_ = twipsOf(codedWindow_.y());
    htmlleft_ = twipsOf(codedWindow_.x());
    // Appear where the main window was, where the user is looking.
    move(mainWindow_.frameGeometry().center() - rect().center());

    mainWindow_.setEnabled(false);
    mainWindow_.setWindowState(mainWindow_.windowState() | Qt::WindowMinimized);
    codedWindow_.setEnabled(false);
    codedWindow_.hide();

    picture1Top_ = -kPicture1Twips.height() - kPicture1StartGapTwips;
    moveTopTwips(picture1_, picture1Top_);
    tmrform_->start();
}

void AboutWin::tmrform_Timer()
{
    if (picture1Top_ < kRestTopTwips) {
        picture1Top_ += kPicture1StepTwips;
        moveTopTwips(picture1_, picture1Top_);
    } else if (label1Top_ < kRestTopTwips) {
        label1Top_ += kLabel1StepTwips;
        moveTopTwips(label1_, label1Top_);
    } else {
        label2_->show();
        tmrform_->stop();
    }
}

void AboutWin::Label1_Click()
{
    const QStringList &credits = aboutCredits();
    const qsizetype at = credits.indexOf(label1_->text());
    if (at == credits.size() - 1) {
        close();
    } else if (at >= 0) {
        label1_->setText(credits.at(at + 1));
    }
}

void AboutWin::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
        emit unloaded();
    }
}

void AboutWin::Form_Unload()
{
    tmrform_->stop();
    mainWindow_.setEnabled(true);
    mainWindow_.setWindowState(mainWindow_.windowState() & ~Qt::WindowMinimized);
    codedWindow_.setEnabled(true);
    codedWindow_.show();
    mainWindow_.move(twipsToPixels(fadeleft_), twipsToPixels(fadetop_));
    codedWindow_.move(twipsToPixels(htmlleft_), twipsToPixels(htmltop_));
}

} // namespace tintara
