#include "ui/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tintara
{

namespace
{

// Qt's default size cuts the size and type columns short; this leaves room
// for the name, size, type and date columns in the dialog's own font.
constexpr int kDialogColumnsChars = 100;
constexpr int kDialogLines = 28;

QString runFileDialog(QWidget *parent, const FileDialogRequest &request,
                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.fileName, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    const QFontMetrics metrics(dialog.font());
    dialog.resize(dialog.size().expandedTo(
        QSize(metrics.averageCharWidth() * kDialogColumnsChars, metrics.height() * kDialogLines)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

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
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString SystemFileDialog::getOpenFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

bool SystemFileDialog::confirmOverwrite(QWidget *parent, const QString &title, const QString &path)
{
    const QString question = QObject::tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tintara
