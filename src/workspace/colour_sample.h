#pragma once

#include "engine/color.h"

#include <QWidget>

namespace tintara
{

// A box filled with one colour; it takes keyboard focus like the other
// controls of its window.
class ColourSample : public QWidget
{
public:
    explicit ColourSample(QWidget *parent);

    ColorValue colour() const;
    void setColour(ColorValue colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColorValue colour_ = kWhite;
};

// A colour value as Qt draws it.
QColor toQColor(ColorValue colour);

} // namespace tintara
