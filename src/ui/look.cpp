#include "ui/look.h"

#include <QPalette>
#include <QWidget>

namespace tintara
{

QFont uiFont()
{
    QFont font;
    // DejaVu Sans and Bitstream Vera share Verdana's wide, open shapes.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Tahoma"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(6.75);
    return font;
}

void setTextColour(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    palette.setColor(QPalette::Text, QColor(colour));
    widget->setPalette(palette);
}

QString formStyleSheet()
{
    return QStringLiteral(R"(
QLineEdit, QPlainTextEdit {
    background: rgb(194, 200, 202);
    color: #404040;
    border: 1px solid #7d8b90;
    border-top-color: #5f6d72;
    selection-background-color: #72868b;
    selection-color: #ffffff;
    padding: 0px 1px;
}
QLineEdit:focus, QPlainTextEdit:focus { border-color: #4a5a60; }
QScrollBar:vertical {
    background: rgb(180, 188, 191);
    width: 8px;
    margin: 0px;
}
QScrollBar::handle:vertical {
    background: #eef1f2;
    border: 1px solid #6b7a80;
    min-height: 10px;
}
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)");
}

} // namespace tintara
