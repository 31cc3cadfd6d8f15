#include "ui/frameless_form.h"

#include "ui/artwork.h"
#include "ui/label_button.h"
#include "ui/look.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace tintara
{

namespace
{

// Room the caption of a label button gets on its plate, left and right and
// above and below.
constexpr int kPlatePaddingX = 3;
constexpr int kPlatePaddingY = 1;

// The plate behind a label button: the label's rectangle, reaching past it
// where the caption would otherwise touch its edges. The label itself keeps
// its designed place.
QRect plateFor(const LabelButton *button)
{
    const QFontMetrics metrics(button->font());
    QRect plate = button->geometry();
    const int widen =
        std::max(0, metrics.horizontalAdvance(button->text()) + 2 * kPlatePaddingX - plate.width());
    const int heighten = std::max(0, metrics.height() + 2 * kPlatePaddingY - plate.height());
    return plate.adjusted(-(widen + 1) / 2, -(heighten + 1) / 2, widen / 2, heighten / 2);
}

} // namespace

FramelessForm::FramelessForm(const QString &objectName, const QString &caption, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(uiFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(kFormBack));
    colours.setColor(QPalette::WindowText, QColor(kText));
    setPalette(colours);
}

void FramelessForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (plainBody_) {
        painter.fillRect(rect(), QColor(kFormBack));
    } else {
        paintFormArtwork(painter, size(), plates_);
    }
}

QLabel *FramelessForm::addLabel(const QString &name, const QString &text, QRect twips, QRgb colour)
{
    auto *label = new QLabel(text, this);
    setTextColour(label, colour);
    place(label, name, twips);
    return label;
}

LabelButton *FramelessForm::addLabelButton(const QString &name, const QString &caption, QRect twips)
{
    auto *button = new LabelButton(caption, this);
    place(button, name, twips);
    plates_.append(plateFor(button));
    return button;
}

void FramelessForm::place(QWidget *control, const QString &name, QRect twips)
{
    control->setObjectName(name);
    // The look goes on the controls, not the form: a form's style sheet would
    // reach the file dialogs and message boxes it opens as well.
    if (control->styleSheet().isEmpty()) {
        control->setStyleSheet(formStyleSheet());
    }
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void FramelessForm::usePlainBody()
{
    plainBody_ = true;
    update();
}

void FramelessForm::addFrameLines()
{
    const int across = width() * kTwipsPerPixel;
    const int down = height() * kTwipsPerPixel;
    const int line = kTwipsPerPixel;
    const QList<std::pair<QString, QRect>> lines = {
        {QStringLiteral("Line1"), QRect(0, 0, across, line)},
        {QStringLiteral("Line2"), QRect(0, 0, line, down)},
        {QStringLiteral("Line3"), QRect(across - line, 0, line, down)},
        {QStringLiteral("Line4"), QRect(0, down - line, across, line)},
    };
    for (const auto &[name, twips] : lines) {
        auto *edge = new QWidget(this);
        edge->setAutoFillBackground(true);
        // The frame is part of the body: pressing it moves the window.
        edge->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette colours = edge->palette();
        colours.setColor(QPalette::Window, QColor(kText));
        edge->setPalette(colours);
        place(edge, name, twips);
    }
}

} // namespace tintara
