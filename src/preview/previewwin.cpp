#include "preview/previewwin.h"

#include "preview/pump_events.h"
#include "preview/rich_text_render.h"
#include "shell/forms.h"
#include "shell/label_button.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "shell/window_procedures.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTextEdit>

namespace tintara
{

PreviewWin::PreviewWin(Forms &forms)
    : FramelessForm(QStringLiteral("previewwin"), QStringLiteral("preview window"),
                    twipsSize(3255, 360)),
      forms_(forms)
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

    // A one-pixel frame along the four edges of the client area.
    addFrameLine(QStringLiteral("Line1"), QRect(0, 0, 3255, 15));
    addFrameLine(QStringLiteral("Line2"), QRect(0, 0, 15, 360));
    addFrameLine(QStringLiteral("Line3"), QRect(3240, 0, 15, 360));
    addFrameLine(QStringLiteral("Line4"), QRect(0, 345, 3255, 15));

    keepOnTop(this);
    forms_.setPreviewOpen(true);
    forms_.setPreviewUnloader([this] { unload(); });
}

QTextEdit *PreviewWin::txtpreview() const
{
    return txtpreview_;
}

void PreviewWin::preview(const QString &codedText)
{
    show();
    renderCodedText(txtpreview_, codedText);
    pumpEvents();
}

void PreviewWin::unload()
{
    close();
}

void PreviewWin::paintEvent(QPaintEvent *)
{
    // A plain body: the window is one line high, too small for a title band.
    QPainter(this).fillRect(rect(), QColor(kFormBack));
}

void PreviewWin::closeEvent(QCloseEvent *event)
{
    forms_.setPreviewOpen(false);
    forms_.setPreviewUnloader({});
    event->accept();
}

void PreviewWin::addFrameLine(const QString &name, QRect twips)
{
    auto *line = new QWidget(this);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, QColor(kText));
    line->setPalette(colours);
    place(line, name, twips);
}

} // namespace tintara
