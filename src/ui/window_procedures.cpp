#include "ui/window_procedures.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tintara
{

namespace
{

class WindowDragger : public QObject
{
public:
    explicit WindowDragger(QWidget *form) : QObject(form), form_(form) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            // Labels pass their presses on; only the body and the title move the window.
            const QWidget *under = form_->childAt(mouse->position().toPoint());
            if (under != nullptr && under->objectName() != QLatin1String("title")) {
                return false;
            }
            state_ = State::Pressed;
            grabOffset_ = mouse->globalPosition().toPoint() - form_->frameGeometry().topLeft();
            return true;
        }
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            // A release can get lost (a tap, a grab taken elsewhere): a move
            // with no button held ends the drag too.
            if (mouse->buttons() == Qt::NoButton) {
                state_ = State::Idle;
            }
            if (state_ == State::Idle) {
                return false;
            }
            // The window system gets the drag only once the pointer moves with
            // the button held. Handed over on the press, a quick click would
            // already be over, and the window manager would keep moving the
            // window until the next click.
            if (state_ == State::Pressed) {
                state_ = dragWindow(form_) ? State::Idle : State::Following;
            }
            if (state_ == State::Following) {
                form_->move(mouse->globalPosition().toPoint() - grabOffset_);
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::UngrabMouse:
        case QEvent::WindowDeactivate:
        case QEvent::FocusOut:
        case QEvent::Hide:
            state_ = State::Idle;
            return false;
        default:
            return false;
        }
    }

private:
    enum class State { Idle, Pressed, Following };

    QWidget *form_;
    State state_ = State::Idle;
    QPoint grabOffset_;
};

} // namespace

void keepOnTop(QWidget *form)
{
    // Changing window flags hides a shown window, so show it again.
    const bool shown = form->isVisible();
    form->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown) {
        form->show();
    }
    form->raise();
}

bool dragWindow(QWidget *form)
{
    QWindow *window = form->windowHandle();
    return window != nullptr && window->startSystemMove();
}

void enableDragging(QWidget *form)
{
    // Moves without buttons reach the window only when it tracks the mouse,
    // and they are what ends a drag whose release went astray.
    form->setMouseTracking(true);
    form->installEventFilter(new WindowDragger(form));
}

} // namespace tintara
