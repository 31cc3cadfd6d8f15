#pragma once

#include "ui/frameless_form.h"

#include <string>

class QTextEdit;

namespace tintara
{

// The preview window: shows coded text rendered as formatted rich text in
// txtpreview. It is loaded when made and stays on top while loaded. Closing
// it (its "close" label, or whoever calls unload) unloads it: it hides,
// reports unloaded() and is deleted soon after; the next preview makes a new
// one.
class PreviewWin : public FramelessForm
{
    Q_OBJECT

public:
    PreviewWin();

    QTextEdit *txtpreview() const;

    // The preview command: show the window, render the coded text into it,
    // and let it paint.
    void preview(const std::string &codedText);

    void unload();

signals:
    // The window has closed, by whichever path; emitted once.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Scrolls the text by whole lines, down for positive `lines`, so the top
    // line always shows in full.
    void scrollLines(int lines);

    QTextEdit *txtpreview_;
    bool unloaded_ = false;
};

} // namespace tintara
