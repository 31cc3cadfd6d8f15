#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tintara
{

void SystemClipboard::setText(const std::string &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

} // namespace tintara
