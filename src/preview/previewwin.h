#pragma once

#include "ui/frameless_form.h"

#include <string>

class QTextEdit;

namespace tintara
{

class Forms;

// The preview window: shows coded text rendered as formatted rich text in
// txtpreview. It stays on top while loaded and sets the shared previewOpen
// flag for exactly that time. Closing it (its "close" label, or whoever calls
// unload) hides and deletes it; the next preview makes a new one.
class PreviewWin : public FramelessForm
{
    Q_OBJECT

public:
    explicit PreviewWin(Forms &forms);

    QTextEdit *txtpreview() const;

    // The preview command: show the window, render the coded text into it,
    // and let it paint.
    void preview(const std::string &codedText);

    void unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Forms &forms_;
    QTextEdit *txtpreview_;
};

} // namespace tintara
