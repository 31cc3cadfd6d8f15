#include "workspace/tintarawin.h"

#include "ui/label_button.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/window_procedures.h"
#include "workspace/bar_look.h"
#include "workspace/colour_sample.h"
#include "workspace/horizontal_bar.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace tintara
{

namespace
{

constexpr int kComponentMax = 255;
constexpr int kMaxTextLength = 3000;
constexpr int kSlotTickMs = 100;
// How long a window manager gets to take a minimised window off the screen.
constexpr int kMinimiseHonouredMs = 500;
const QPoint kOptionsMenuTwips(1560, 1900);

QString componentText(int value)
{
    return QString::number(value);
}

} // namespace

TintaraWin::TintaraWin(FadeCommandHost &fadeHost)
    : FramelessForm(QStringLiteral("tintarawin"), QStringLiteral("tintara deluxe - vorlen"),
                    twipsSize(2370, 2055)),
      fadeHost_(fadeHost)
{
    slots_.fill(kWhite);

    title_ = addLabel(QStringLiteral("title"), QStringLiteral("tintara deluxe: color 1"),
                      QRect(210, 90, 1950, 180), kTitleText);

    const QColor dark(0x1C, 0x1C, 0x1C);
    red1_ = addBar(QStringLiteral("red1"), QRect(60, 400, 1150, 135),
                   {0, kComponentMax, kComponentMax, 10, dark, QColor(255, 0, 0)});
    green1_ = addBar(QStringLiteral("green1"), QRect(60, 520, 1150, 135),
                     {0, kComponentMax, kComponentMax, 10, dark, QColor(0, 255, 0)});
    blue1_ = addBar(QStringLiteral("blue1"), QRect(60, 640, 1150, 135),
                    {0, kComponentMax, kComponentMax, 10, dark, QColor(0, 0, 255)});
    addLabel(QStringLiteral("lblred1"), QStringLiteral("Red:"), QRect(1320, 390, 345, 180), kText);
    addLabel(QStringLiteral("lblgreen1"), QStringLiteral("Green:"), QRect(1310, 570, 510, 180),
             kText);
    addLabel(QStringLiteral("lblblue1"), QStringLiteral("Blue:"), QRect(1320, 760, 390, 180),
             kText);
    lblred2_ = addLabel(QStringLiteral("lblred2"), componentText(kComponentMax),
                        QRect(1950, 390, 315, 180), kText);
    lblgreen2_ = addLabel(QStringLiteral("lblgreen2"), componentText(kComponentMax),
                          QRect(1950, 570, 315, 180), kText);
    lblblue2_ = addLabel(QStringLiteral("lblblue2"), componentText(kComponentMax),
                         QRect(1950, 760, 315, 180), kText);

    fade1_ = new ColourSample(this);
    place(fade1_, QStringLiteral("fade1"), QRect(60, 790, 1150, 135));

    txthex1_ = new QLineEdit(QStringLiteral("hex:#ffffff"), this);
    txthex1_->setReadOnly(true);
    place(txthex1_, QStringLiteral("txthex1"), QRect(1290, 1050, 1030, 285));

    colors1_ = addBar(QStringLiteral("colors1"), QRect(60, 1060, 1150, 135),
                      {kMinColors, kMaxColors, kMinColors, 1, QColor(0x9D, 0xA9, 0xAD),
                       QColor(0xE6, 0xEA, 0xEB)});
    lblcolors1_ = addLabel(QStringLiteral("lblcolors1"), QStringLiteral("use: 2 colors"),
                           QRect(60, 1160, 1150, 180), kText);
    // The count bar overlaps the label's top, so the caption sits at the
    // label's foot, which reaches two pixels further into the free space
    // above the text box.
    lblcolors1_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblcolors1_->resize(lblcolors1_->width(), lblcolors1_->height() + 2);

    txtfade1_ = new QLineEdit(QStringLiteral("text to fade"), this);
    txtfade1_->setMaxLength(kMaxTextLength);
    place(txtfade1_, QStringLiteral("txtfade1"), QRect(50, 1440, 2280, 265));

    auto *btnfade = addLabelButton(QStringLiteral("btnfade"), QStringLiteral("fade"),
                                   QRect(60, 1800, 555, 225));
    auto *btncopy = addLabelButton(QStringLiteral("btncopy"), QStringLiteral("clear"),
                                   QRect(705, 1800, 600, 225));
    auto *btnops = addLabelButton(QStringLiteral("btnops"), QStringLiteral("options"),
                                  QRect(1400, 1800, 925, 225));
    // Enter in the text box fades as well (returnPressed below).
    btnfade->setAccessKeys({QKeySequence(Qt::ALT | Qt::Key_F)});
    btncopy->setAccessKeys({QKeySequence(Qt::ALT | Qt::Key_C)});
    btnops->setAccessKeys(
        {QKeySequence(Qt::ALT | Qt::Key_O), QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)});

    tmrclr_ = new QTimer(this);
    tmrclr_->setObjectName(QStringLiteral("tmrclr"));
    tmrclr_->setInterval(kSlotTickMs);

    setTabOrder(fade1_, red1_);
    setTabOrder(red1_, green1_);
    setTabOrder(green1_, blue1_);
    setTabOrder(blue1_, txtfade1_);
    setTabOrder(txtfade1_, colors1_);
    setTabOrder(colors1_, txthex1_);

    for (const auto &[bar, label] : {std::pair{red1_, lblred2_}, std::pair{green1_, lblgreen2_},
                                     std::pair{blue1_, lblblue2_}}) {
        const auto change = [this, bar, label] { colourBar_Change(bar, label); };
        connect(bar, &QScrollBar::sliderMoved, this, change);
        connect(bar, &QScrollBar::valueChanged, this, change);
    }
    connect(colors1_, &QScrollBar::sliderMoved, this, &TintaraWin::colors1_Change);
    connect(colors1_, &QScrollBar::valueChanged, this, &TintaraWin::colors1_Change);
    connect(txtfade1_, &QLineEdit::returnPressed, this, &TintaraWin::btnfade_Click);
    connect(btnfade, &LabelButton::clicked, this, &TintaraWin::btnfade_Click);
    connect(btncopy, &LabelButton::clicked, this, &TintaraWin::btncopy_Click);
    connect(btnops, &LabelButton::clicked, this, &TintaraWin::btnops_Click);
    connect(tmrclr_, &QTimer::timeout, this, &TintaraWin::tmrclr_Timer);

    enableDragging(this);
    tmrclr_->start();
}

QScrollBar *TintaraWin::addBar(const QString &name, QRect twips, const BarDesign &design)
{
    auto *bar = new HorizontalBar(design.minimum, design.maximum, design.largeChange, this);
    bar->setValue(design.value);
    bar->setStyleSheet(barStyleSheet(design.empty, design.full));
    place(bar, name, twips);
    return bar;
}

ColorValue TintaraWin::slotColour(int slot) const
{
    return slots_.at(slot - 1);
}

void TintaraWin::setSlotColour(int slot, ColorValue colour)
{
    slots_.at(slot - 1) = colour;
}

ColorValue TintaraWin::currentColour() const
{
    return fade1_->colour();
}

int TintaraWin::currentSlot() const
{
    return currentSlot_;
}

int TintaraWin::colourCount() const
{
    return colors1_->sliderPosition();
}

void TintaraWin::setColourCount(int count)
{
    colors1_->setValue(count);
}

void TintaraWin::restoreDefaults()
{
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        setSlotColour(slot, kWhite);
    }
    // Runs the count handling only when the count was not 2 already.
    setColourCount(kMinColors);
    selectSlot(1);
}

QLineEdit *TintaraWin::txtfade1() const
{
    return txtfade1_;
}

void TintaraWin::selectSlot(int slot)
{
    // Each bar whose value changes recomposes the colour before the next is set.
    const RgbTriple rgb = splitColor(slotColour(slot));
    red1_->setValue(rgb.red);
    green1_->setValue(rgb.green);
    blue1_->setValue(rgb.blue);
    currentSlot_ = slot;
    emit slotSelected(slot);
    title_->setText(QStringLiteral("tintara deluxe: color %1").arg(slot));
}

void TintaraWin::colourBar_Change(QScrollBar *bar, QLabel *valueLabel)
{
    // The thumb's position is the bar's value while it is being dragged.
    fade1_->setColour(makeColor(static_cast<std::int16_t>(red1_->sliderPosition()),
                                static_cast<std::int16_t>(green1_->sliderPosition()),
                                static_cast<std::int16_t>(blue1_->sliderPosition())));
    valueLabel->setText(componentText(bar->sliderPosition()));
    txthex1_->setText(QStringLiteral("hex:#") + QString::fromStdString(htmlHex(currentColour())));
}

void TintaraWin::colors1_Change()
{
    const int count = colourCount();
    lblcolors1_->setText(QStringLiteral("use: %1 colors").arg(count));
    emit countChanged(count);
    selectSlot(1);
}

void TintaraWin::tmrclr_Timer()
{
    setSlotColour(currentSlot_, currentColour());
}

void TintaraWin::btnfade_Click()
{
    runFadeCommand(fadeHost_);
}

void TintaraWin::btncopy_Click()
{
    txtfade1_->setText(QString());
}

void TintaraWin::btnops_Click()
{
    emit optionsRequested(mapToGlobal(twipsPoint(kOptionsMenuTwips.x(), kOptionsMenuTwips.y())));
}

void TintaraWin::changeEvent(QEvent *event)
{
    FramelessForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

void TintaraWin::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

void TintaraWin::Form_Resize()
{
    if (isMinimized()) {
        emit minimisedChanged(true);
        // With no window manager nothing minimises the window, nor offers a
        // way back: a window still on screen returns to the normal state, so
        // that it and the coded-text window stay usable.
        QTimer::singleShot(kMinimiseHonouredMs, this, [this] {
            if (isMinimized() && windowHandle() != nullptr && windowHandle()->isExposed()) {
                setWindowState(windowState() & ~Qt::WindowMinimized);
            }
        });
    } else if (!isMaximized()) {
        emit minimisedChanged(false);
    }
}

} // namespace tintara
