#include "preview/previewwin.h"

#include "preview/pump_events.h"
#include "preview/rich_text_render.h"
#include "ui/label_button.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/window_procedures.h"

#include <QCloseEvent>
#include <QTextEdit>

namespace tintara
{

PreviewWin::PreviewWin()
    : FramelessForm(QStringLiteral("previewwin"), QStringLiteral("preview window"),
                    twipsSize(3255, 360))
{
    setAttribute(Qt::WA_DeleteOnClose);

    txtpreview_ = new QTextEdit(this);
    txtpreview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtpreview_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtpreview_->setFrameShape(QFrame::NoFrame);
    // A line of 10-point text just fits the box's height with a slim margin.
    txtpreview_->document()->setDocumentMargin(1);
    txtpreview_->setStyleSheet(QStringLiteral("QTextEdit { background: white; }"));
    QFont verdana = uiFont();
    verdana.setPointSizeF(8.5);
    txtpreview_->setFont(verdana);
    txtpreview_->setPlainText(QStringLiteral("preview"));
    place(txtpreview_, QStringLiteral("txtpreview"), QRect(40, 40, 2655, 270));

    auto *btnclose = addLabelButton(QStringLiteral("btnclose"), QStringLiteral("close"),
                                    QRect(2760, 70, 420, 180));
    connect(btnclose, &LabelButton::clicked, this, &PreviewWin::unload);

    // The window is one line high: too small for a title band.
    usePlainBody();
    addFrameLines();

    keepOnTop(this);
}

QTextEdit *PreviewWin::txtpreview() const
{
    return txtpreview_;
}

void PreviewWin::preview(const std::string &codedText)
{
    show();
    applyRuns(txtpreview_, renderCodedText(codedText));
    pumpEvents();
}

void PreviewWin::unload()
{
    close();
}

void PreviewWin::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!unloaded_) {
        unloaded_ = true;
        emit unloaded();
    }
}

} // namespace tintara
