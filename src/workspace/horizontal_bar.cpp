#include "workspace/horizontal_bar.h"

#include <QKeyEvent>

namespace tintara
{

HorizontalBar::HorizontalBar(int minimum, int maximum, int largeChange, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(largeChange);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

void HorizontalBar::keyPressEvent(QKeyEvent *event)
{
    // Qt's scroll bars invert the arrow keys of horizontal bars.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace tintara
