#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tintara
{

void SystemClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace tintara
