#include "ui/artwork.h"

#include "ui/look.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tintara
{

namespace
{

constexpr int kTitleBandHeight = 22;
constexpr QRgb kFrame = qRgb(0x34, 0x41, 0x46);

// The program's signature: a gradient through the colours of a fade.
QLinearGradient fadeGradient(QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, QColor(0xE0, 0x4A, 0x7E));
    gradient.setColorAt(0.3, QColor(0xF2, 0xA1, 0x3A));
    gradient.setColorAt(0.55, QColor(0x5C, 0xC6, 0xA4));
    gradient.setColorAt(0.8, QColor(0x4C, 0x84, 0xD6));
    gradient.setColorAt(1.0, QColor(0x9A, 0x5C, 0xD4));
    return gradient;
}

QLinearGradient slateGradient(QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, QColor(0x5A, 0x6A, 0x70));
    gradient.setColorAt(1.0, QColor(0x33, 0x3F, 0x44));
    return gradient;
}

void paintPlate(QPainter &painter, const QRectF &plate)
{
    QLinearGradient face(plate.topLeft(), plate.bottomLeft());
    face.setColorAt(0.0, QColor(0xE4, 0xE8, 0xE9));
    face.setColorAt(1.0, QColor(0xC9, 0xCF, 0xD1));
    painter.setPen(QColor(0x8E, 0x9B, 0xA0));
    painter.setBrush(face);
    painter.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

QPointF baseline(const SplashCaption &caption)
{
    return {caption.box.left(), caption.box.top() + QFontMetricsF(caption.font).ascent()};
}

} // namespace

void paintFormArtwork(QPainter &painter, QSize size, const QList<QRect> &plates)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), size);

    QLinearGradient body(0, kTitleBandHeight, 0, size.height());
    body.setColorAt(0.0, QColor(0xCE, 0xD3, 0xD5));
    body.setColorAt(1.0, QColor(kFormBack).darker(104));
    painter.fillRect(all, body);

    const QRectF band(0, 0, size.width(), kTitleBandHeight);
    painter.fillRect(band, slateGradient(band.topLeft(), band.bottomLeft()));
    painter.fillRect(QRectF(0, kTitleBandHeight - 2, size.width(), 2),
                     fadeGradient(QPointF(0, 0), QPointF(size.width(), 0)));

    for (const QRect &plate : plates) {
        paintPlate(painter, plate);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(255, 255, 255, 70));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(size.width() - 1.5, 1.5));
    painter.setPen(QColor(kFrame));
    painter.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

QList<SplashCaption> splashCaptions(QSize size)
{
    QFont name = uiFont();
    name.setBold(true);
    name.setPixelSize(30);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QFont deluxe = uiFont();
    deluxe.setPixelSize(10);
    deluxe.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    QFont hint = uiFont();
    hint.setPixelSize(9);
    hint.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);

    // A caption's box spans its font's ascent and descent around the baseline.
    const auto boxAt = [](const QFont &font, const QString &text, QPointF baseline) {
        const QFontMetricsF metrics(font);
        return QRectF(baseline.x(), baseline.y() - metrics.ascent(),
                      metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    };
    const QString nameText = QStringLiteral("tintara");
    const QRectF nameBox = boxAt(name, nameText, QPointF(14, 42));
    const QString deluxeText = QStringLiteral("deluxe");
    const QString hintText = QStringLiteral("double-click to begin");
    const QFontMetricsF hintMetrics(hint);
    const QPointF hintBaseline(size.width() - 10 - hintMetrics.horizontalAdvance(hintText),
                               size.height() - 9 - hintMetrics.descent());
    return {{nameText, name, nameBox},
            {deluxeText, deluxe, boxAt(deluxe, deluxeText, QPointF(nameBox.right() + 8, 42))},
            {hintText, hint, boxAt(hint, hintText, hintBaseline)}};
}

void paintSplashArtwork(QPainter &painter, QSize size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), size);
    painter.fillRect(all, slateGradient(all.topLeft(), all.bottomRight()));

    // A faint sweep of light behind the name.
    QRadialGradient glow(all.width() * 0.3, all.height() * 0.35, all.width() * 0.5);
    glow.setColorAt(0.0, QColor(255, 255, 255, 40));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(all, glow);

    const QList<SplashCaption> captions = splashCaptions(size);
    QPainterPath word;
    word.addText(baseline(captions[0]), captions[0].font, captions[0].text);
    const QRectF wordBox = word.boundingRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(word.translated(1, 1.5));
    painter.setBrush(fadeGradient(wordBox.topLeft(), wordBox.topRight()));
    painter.drawPath(word);

    painter.setFont(captions[1].font);
    painter.setPen(QColor(kTitleText));
    painter.drawText(baseline(captions[1]), captions[1].text);

    painter.setFont(captions[2].font);
    painter.setPen(QColor(0x9A, 0xAA, 0xB0));
    painter.drawText(baseline(captions[2]), captions[2].text);

    painter.fillRect(QRectF(0, all.height() - 2, all.width(), 2),
                     fadeGradient(QPointF(0, 0), QPointF(all.width(), 0)));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(kFrame).darker(130));
    painter.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Designed on a 64-unit grid.
    painter.scale(size / 64.0, size / 64.0);

    const QRectF tile(3, 3, 58, 58);
    painter.setPen(QPen(QColor(kFrame), 1.5));
    painter.setBrush(slateGradient(tile.topLeft(), tile.bottomRight()));
    painter.drawRoundedRect(tile, 12, 12);

    QPainterPath letter;
    letter.addRoundedRect(QRectF(14, 14, 36, 9), 2.5, 2.5);
    letter.addRoundedRect(QRectF(27.5, 14, 9, 34), 2.5, 2.5);
    letter.setFillRule(Qt::WindingFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fadeGradient(QPointF(14, 14), QPointF(50, 48)));
    painter.drawPath(letter.simplified());

    painter.setBrush(fadeGradient(QPointF(14, 0), QPointF(50, 0)));
    painter.drawRoundedRect(QRectF(14, 52, 36, 3), 1.5, 1.5);
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    }
    return icon;
}

} // namespace tintara
