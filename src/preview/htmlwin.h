#pragma once

#include "ui/frameless_form.h"

class QPlainTextEdit;

namespace tintara
{

class Forms;

// The coded-text window: shows the result of the last fade in the read-only
// box txthtml, copies it to the clipboard, and opens the second options menu.
class HtmlWin : public FramelessForm
{
    Q_OBJECT

public:
    explicit HtmlWin(Forms &forms);

    QPlainTextEdit *txthtml() const;
    QString codedText() const;
    void setCodedText(const QString &text);

signals:
    // The "preview" label was clicked; the preview window answers this.
    void previewRequested();

private:
    void btncopy_Click();
    void btnsave_Click();

    Forms &forms_;
    QPlainTextEdit *txthtml_;
    // The box is read-only, so this is its text, kept as set: reading the box
    // back would turn no-break spaces into plain ones.
    QString codedText_;
};

} // namespace tintara
