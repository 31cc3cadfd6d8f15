#pragma once

#include "ui/frameless_form.h"

#include <string>

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
    // The coded text in UTF-8.
    const std::string &codedText() const;
    void setCodedText(std::string text);

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
    std::string codedText_;
};

} // namespace tintara
