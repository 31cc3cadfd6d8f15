#include "app/introduction.h"

#include "ui/artwork.h"
#include "ui/twips.h"
#include "ui/window_procedures.h"

#include <QCloseEvent>
#include <QPainter>

namespace tintara
{

Introduction::Introduction() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("introduction"));
    setWindowTitle(QStringLiteral("introduction"));
    setFixedSize(twipsSize(3930, 1125));
    keepOnTop(this);
}

void Introduction::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSplashArtwork(painter, size());
}

void Introduction::mouseDoubleClickEvent(QMouseEvent *)
{
    close();
}

void Introduction::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!unloaded_) {
        unloaded_ = true;
        emit unloaded();
    }
}

} // namespace tintara
