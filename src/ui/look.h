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

// The forms' faces travel with the program, so captions measure the same on
// every machine: DejaVu Sans stands in for Verdana, and Liberation Sans, whose
// letters are as wide as Arial's, for Arial. The program uses them on Windows
// too, for one look everywhere.
QFont uiFont(); // the forms' text, Verdana 6.75 pt
QFont arialFont(qreal points, bool bold = false);
// The family to show for a font name that coded text or a form asks for:
// Arial becomes the embedded face, other names stay as they are.
QString embeddedFamily(const QString &family);

void setTextColour(QWidget *widget, QRgb colour);

// The look of the text boxes and scroll bars inside a form.
QString formStyleSheet();

} // namespace tintara
