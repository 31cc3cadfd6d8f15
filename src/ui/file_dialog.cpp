#include "ui/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tintara
{

QString chooseSaveName(FileDialog &dialog, QWidget *parent, FileDialogRequest &request,
                       const QString &suffix)
{
    const QString chosen = dialog.getSaveFileName(parent, request);
    if (chosen.isEmpty()) {
        return {};
    }
    const QString name = chosen.endsWith(suffix, Qt::CaseSensitive) ? chosen : chosen + suffix;
    request.fileName = name;
    if (name != chosen && QFileInfo::exists(name) &&
        !dialog.confirmOverwrite(parent, request.title, name)) {
        return {};
    }
    return name;
}

QString SystemFileDialog::getSaveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return QFileDialog::getSaveFileName(parent, request.title, request.fileName, request.filter);
}

QString SystemFileDialog::getOpenFileName(QWidget *parent, const FileDialogRequest &request)
{
    return QFileDialog::getOpenFileName(parent, request.title, request.fileName, request.filter);
}

bool SystemFileDialog::confirmOverwrite(QWidget *parent, const QString &title, const QString &path)
{
    const QString question = QObject::tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tintara
