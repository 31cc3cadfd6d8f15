#pragma once

#include "ui/frameless_form.h"

#include <string>

class QPlainTextEdit;

namespace tintara
{

class Clipboard;

// The coded-text window: shows the result of the last fade in the read-only
// box txthtml, copies it to the clipboard, and asks for the second options
// menu and for the preview.
class HtmlWin : public FramelessForm
{
    Q_OBJECT

public:
    explicit HtmlWin(Clipboard &clipboard);

    QPlainTextEdit *txthtml() const;
    // The coded text in UTF-8.
    const std::string &codedText() const;
    void setCodedText(std::string text);

signals:
    // "ops." was clicked: the second options menu belongs at `at` (global).
    void opsRequested(QPoint at);
    // The "preview" label was clicked.
    void previewRequested();

private:
    void btncopy_Click();
    void btnsave_Click();

    Clipboard &clipboard_;
    QPlainTextEdit *txthtml_;
    // The box is read-only, so this is its text, kept as set: reading the box
    // back would turn no-break spaces into plain ones.
    std::string codedText_;
};

} // namespace tintara
