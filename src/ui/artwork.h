#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QRect>

class QPainter;

namespace tintara
{

// The program draws its own artwork, so it stays sharp at any scale.

// A tool window's backdrop: a dark title band over a light body, the fade
// stripe under the band, a frame, and a raised plate behind each label-button.
void paintFormArtwork(QPainter &painter, QSize size, const QList<QRect> &plates);

// The splash: the name in faded letters on a dark ground.
void paintSplashArtwork(QPainter &painter, QSize size);

// The words painted on the splash, each with its font and the box it takes.
struct SplashCaption {
    QString text;
    QFont font;
    QRectF box;
};
QList<SplashCaption> splashCaptions(QSize size);

// The program's icon, a faded "T" on a dark tile, at any square size.
QImage iconImage(int size);
QIcon programIcon();

} // namespace tintara
