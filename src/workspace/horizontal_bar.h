#pragma once

#include <QScrollBar>

namespace tintara
{

// A horizontal scroll bar that reports the dragged thumb through sliderMoved
// and changes its value on release, keys and clicks (valueChanged). Keys move
// it the way a horizontal bar moves: Right, Down and Page Down towards the
// maximum, Left, Up and Page Up towards the minimum.
class HorizontalBar : public QScrollBar
{
public:
    HorizontalBar(int minimum, int maximum, int largeChange, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tintara
