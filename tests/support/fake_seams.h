#pragma once

// Test doubles for the seams through which the windows reach the system.

#include "app/forms.h"
#include "ui/clipboard.h"
#include "ui/file_dialog.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <utility>

namespace tintara
{

// Answers the next file dialog with the name set beforehand ("" = cancel) and
// the overwrite question with a set answer; remembers what it was asked.
class ScriptedFileDialog : public FileDialog
{
public:
    void setNextFileName(const QString &name) { nextFileName_ = name; }
    void setOverwriteAnswer(bool replace) { overwriteAnswer_ = replace; }

    QString getSaveFileName(QWidget *, const FileDialogRequest &request) override
    {
        return answer(request);
    }
    QString getOpenFileName(QWidget *, const FileDialogRequest &request) override
    {
        return answer(request);
    }
    bool confirmOverwrite(QWidget *, const QString &, const QString &path) override
    {
        overwriteQuestions.append(path);
        return overwriteAnswer_;
    }

    QList<FileDialogRequest> requests;
    QStringList overwriteQuestions;

private:
    QString answer(const FileDialogRequest &request)
    {
        requests.append(request);
        return std::exchange(nextFileName_, QString());
    }

    QString nextFileName_;
    bool overwriteAnswer_ = false;
};

class RecordingClipboard : public Clipboard
{
public:
    void setText(const std::string &text) override { texts.append(QString::fromStdString(text)); }

    QStringList texts;
};

// Thrown where the real program would end the process on the spot.
struct ProgramEnded {
};

// The program's windows with every seam replaced: dialogs answered from the
// test, the clipboard recorded, and quitting counted instead of done.
struct FormsWithFakes {
    FormsWithFakes()
    {
        auto scripted = std::make_unique<ScriptedFileDialog>();
        dialog = scripted.get();
        forms.setFileDialog(std::move(scripted));
        auto recording = std::make_unique<RecordingClipboard>();
        clipboard = recording.get();
        forms.setClipboard(std::move(recording));
        forms.setQuitHandler([this] { ++quits; });
        forms.setEndHandler([] { throw ProgramEnded(); });
    }

    Forms forms;
    ScriptedFileDialog *dialog;
    RecordingClipboard *clipboard;
    int quits = 0;
};

} // namespace tintara
