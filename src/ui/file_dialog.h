#pragma once

#include <QString>

class QWidget;

namespace tintara
{

struct FileDialogRequest {
    QString title;
    QString filter;   // "Description (*.pattern)"
    QString fileName; // proposed name, usually the one chosen last time
};

// The standard file dialogs, behind a seam so that tests can answer them.
class FileDialog
{
public:
    virtual ~FileDialog() = default;

    // The chosen file, or an empty string when the user cancels. The dialog
    // itself asks before an existing file is replaced.
    virtual QString getSaveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString getOpenFileName(QWidget *parent, const FileDialogRequest &request) = 0;

    // Asks whether an existing file may be replaced, for a name the user did
    // not pick in the dialog itself.
    virtual bool confirmOverwrite(QWidget *parent, const QString &title, const QString &path) = 0;
};

// The save dialog of the program's file commands: offers request.fileName,
// appends `suffix` unless the chosen name ends in exactly it (case counts)
// and keeps the resulting name in request.fileName for the next time. The
// dialog asked about replacing the name the user chose; a longer name that
// already exists is another file, so it is asked about too. The name to save
// under, or an empty string when the user cancels or declines.
QString chooseSaveName(FileDialog &dialog, QWidget *parent, FileDialogRequest &request,
                       const QString &suffix);

// The real dialogs.
class SystemFileDialog : public FileDialog
{
public:
    QString getSaveFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString getOpenFileName(QWidget *parent, const FileDialogRequest &request) override;
    bool confirmOverwrite(QWidget *parent, const QString &title, const QString &path) override;
};

} // namespace tintara
