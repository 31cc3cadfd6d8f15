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
            following_ = !dragWindow(form_);
            grabOffset_ = mouse->globalPosition().toPoint() - form_->frameGeometry().topLeft();
            return true;
        }
        case QEvent::MouseMove:
            if (following_) {
                const auto *mouse = static_cast<QMouseEvent *>(event);
                form_->move(mouse->globalPosition().toPoint() - grabOffset_);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (following_ && static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton) {
                following_ = false;
            }
            return false;
        default:
            return false;
        }
    }

private:
    QWidget *form_;
    bool following_ = false;
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
    form->installEventFilter(new WindowDragger(form));
}

} // namespace tintara
