#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace tintara
{

// The colours every window shares.
inline constexpr QRgb kFormBack = qRgb(194, 200, 202);
inline constexpr QRgb kText = qRgb(0x40, 0x40, 0x40);
inline constexpr QRgb kPressedText = qRgb(0x72, 0x86, 0x8B);
inline constexpr QRgb kTitleText = qRgb(0xC0, 0xC0, 0xC0);

// Verdana 6.75 pt, or the closest sans-serif the system has.
QFont uiFont();

void setTextColour(QWidget *widget, QRgb colour);

// The look of the text boxes and scroll bars inside a form.
QString formStyleSheet();

} // namespace tintara
