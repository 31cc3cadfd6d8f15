#include "ui/label_button.h"

#include "ui/look.h"

#include <QMouseEvent>
#include <QShortcut>
#include <QStringList>

namespace tintara
{

LabelButton::LabelButton(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    QFont font = uiFont();
    font.setUnderline(true);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setTextColour(this, kText);
}

void LabelButton::setAccessKeys(const QList<QKeySequence> &keys)
{
    QStringList names;
    for (const QKeySequence &key : keys) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &LabelButton::clicked);
        names.append(key.toString(QKeySequence::NativeText));
    }
    setToolTip(QStringLiteral("%1 (%2)").arg(text(), names.join(QStringLiteral(", "))));
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
    setTextColour(this, kPressedText);
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    setTextColour(this, kText);
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace tintara
