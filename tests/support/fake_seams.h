#pragma once

// Test doubles for the seams through which the windows reach the system.

#include "ui/clipboard.h"
#include "ui/file_dialog.h"

#include <QList>
#include <QStringList>

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

} // namespace tintara
