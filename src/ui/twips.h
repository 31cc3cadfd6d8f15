#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tintara
{

// Window layouts are designed in twips: 15 twips are one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    const int half = kTwipsPerPixel / 2;
    return (twips >= 0 ? twips + half : twips - half) / kTwipsPerPixel;
}

inline QPoint twipsPoint(int x, int y)
{
    return {twipsToPixels(x), twipsToPixels(y)};
}

inline QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

// Each of the four values is converted on its own, as a form converts its
// controls' properties.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsPoint(left, top), twipsSize(width, height)};
}

} // namespace tintara
