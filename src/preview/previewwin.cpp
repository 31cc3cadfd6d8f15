#include "preview/previewwin.h"

#include "preview/pump_events.h"
#include "preview/rich_text_render.h"
#include "ui/label_button.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/window_procedures.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QWheelEvent>

#include <algorithm>

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

    txtpreview_->viewport()->installEventFilter(this);
    enableDragging(this);
    keepOnTop(this);
}

bool PreviewWin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtpreview_->viewport() && event->type() == QEvent::Wheel) {
        constexpr int kNotch = 120;
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        // A fine-grained wheel still moves a line per turn.
        const int notches = delta / kNotch != 0 ? delta / kNotch : (delta > 0) - (delta < 0);
        scrollLines(-notches);
        return true;
    }
    return FramelessForm::eventFilter(watched, event);
}

void PreviewWin::scrollLines(int lines)
{
    QTextDocument *document = txtpreview_->document();
    QList<int> tops;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const qreal blockTop = document->documentLayout()->blockBoundingRect(block).top();
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            tops.append(qRound(blockTop + layout->lineAt(i).y()));
        }
    }
    if (tops.isEmpty()) {
        return;
    }
    QScrollBar *bar = txtpreview_->verticalScrollBar();
    // The line now at the top: the last one that starts at or above the view.
    const auto after = std::upper_bound(tops.cbegin(), tops.cend(), bar->value() + tops.first());
    const int current = std::max(0, static_cast<int>(after - tops.cbegin()) - 1);
    const int target = std::clamp(current + lines, 0, static_cast<int>(tops.size()) - 1);
    bar->setValue(tops.at(target) - tops.first());
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
