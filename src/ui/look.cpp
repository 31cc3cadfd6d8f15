#include "ui/look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace tintara
{

namespace
{

const QString kVerdanaFace = QStringLiteral("DejaVu Sans");
const QString kArialFace = QStringLiteral("Liberation Sans");

// Registered on first use, once a QGuiApplication exists, so that every
// window, and every test, gets the faces the program carries.
void registerEmbeddedFonts()
{
    static const bool registered = [] {
        for (const char *file :
             {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf",
              ":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
        return true;
    }();
    Q_UNUSED(registered);
}

QFont embeddedFont(const QString &family, qreal points)
{
    registerEmbeddedFonts();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

} // namespace

QFont uiFont()
{
    return embeddedFont(kVerdanaFace, 6.75);
}

QFont arialFont(qreal points, bool bold)
{
    QFont font = embeddedFont(kArialFace, points);
    font.setBold(bold);
    return font;
}

QString embeddedFamily(const QString &family)
{
    if (family.compare(QStringLiteral("arial"), Qt::CaseInsensitive) == 0) {
        registerEmbeddedFonts();
        return kArialFace;
    }
    return family;
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
