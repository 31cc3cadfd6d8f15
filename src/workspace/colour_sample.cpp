#include "workspace/colour_sample.h"

#include <QPainter>

namespace tintara
{

QColor toQColor(ColorValue colour)
{
    const RgbTriple rgb = splitColor(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

ColourSample::ColourSample(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

ColorValue ColourSample::colour() const
{
    return colour_;
}

void ColourSample::setColour(ColorValue colour)
{
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void ColourSample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, toQColor(colour_));
    painter.setPen(hasFocus() ? QColor(0x33, 0x3F, 0x44) : QColor(0x6B, 0x7A, 0x80));
    painter.drawRect(box);
}

} // namespace tintara
