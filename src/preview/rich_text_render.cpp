#include "preview/rich_text_render.h"

#include "ui/look.h"

#include <QTextCursor>
#include <QTextEdit>

namespace tintara
{

namespace
{

QTextCharFormat qtFormat(const TextFormat &format)
{
    QTextCharFormat qt;
    qt.setFontFamilies({embeddedFamily(QString::fromStdString(format.font))});
    qt.setFontPointSize(format.sizePoints);
    qt.setFontWeight(format.styles.bold ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.styles.italic);
    qt.setFontUnderline(format.styles.underline);
    qt.setFontStrikeOut(format.styles.strike);
    const RgbTriple colour = splitColor(format.color);
    qt.setForeground(QColor(colour.red, colour.green, colour.blue));
    return qt;
}

} // namespace

void applyRuns(QTextEdit *box, const RenderedText &rendered)
{
    QFont boxFont = box->font();
    boxFont.setFamilies({embeddedFamily(QStringLiteral("Arial"))});
    box->setFont(boxFont);
    box->clear();
    box->setCurrentCharFormat(qtFormat(TextFormat{}));

    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    for (const FormattedRun &run : rendered.runs) {
        cursor.insertText(QString::fromStdString(run.text), qtFormat(run.format));
    }
    cursor.endEditBlock();
    box->setCurrentCharFormat(qtFormat(rendered.insertionFormat));
}

} // namespace tintara
