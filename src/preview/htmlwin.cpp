#include "preview/htmlwin.h"

#include "ui/clipboard.h"
#include "ui/label_button.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/window_procedures.h"

#include <QPlainTextEdit>

namespace tintara
{

namespace
{

const QRect kOpsTwips(60, 1340, 555, 225);
// The second options menu opens at this left edge, just below the top of "ops.".
constexpr int kMenuLeftTwips = 200;
constexpr int kMenuBelowOpsTwips = 110;

} // namespace

HtmlWin::HtmlWin(Clipboard &clipboard)
    : FramelessForm(QStringLiteral("htmlwin"), QStringLiteral("html display window"),
                    twipsSize(2370, 1620)),
      clipboard_(clipboard)
{
    addLabel(QStringLiteral("title"), QStringLiteral("html display window"),
             QRect(435, 90, 1500, 180), kTitleText);

    codedText_ = ".::html displayer::.";
    txthtml_ = new QPlainTextEdit(QString::fromStdString(codedText_), this);
    txthtml_->setReadOnly(true);
    txthtml_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txthtml_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Coded text has few spaces, so long runs break anywhere.
    txthtml_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    place(txthtml_, QStringLiteral("txthtml"), QRect(50, 400, 2280, 855));

    auto *btnsave = addLabelButton(QStringLiteral("btnsave"), QStringLiteral("ops."), kOpsTwips);
    auto *btncopy = addLabelButton(QStringLiteral("btncopy"), QStringLiteral("copy"),
                                   QRect(820, 1340, 360, 180));
    auto *btnclose = addLabelButton(QStringLiteral("btnclose"), QStringLiteral("preview"),
                                    QRect(1560, 1335, 570, 180));

    btnsave->setAccessKeys(
        {QKeySequence(Qt::ALT | Qt::Key_O), QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    btncopy->setAccessKeys({QKeySequence(Qt::ALT | Qt::Key_C)});
    btnclose->setAccessKeys({QKeySequence(Qt::ALT | Qt::Key_P)});

    connect(btnsave, &LabelButton::clicked, this, &HtmlWin::btnsave_Click);
    connect(btncopy, &LabelButton::clicked, this, &HtmlWin::btncopy_Click);
    connect(btnclose, &LabelButton::clicked, this, &HtmlWin::previewRequested);
    enableDragging(this);
}

QPlainTextEdit *HtmlWin::txthtml() const
{
    return txthtml_;
}

const std::string &HtmlWin::codedText() const
{
    return codedText_;
}

void HtmlWin::setCodedText(std::string text)
{
    codedText_ = std::move(text);
    txthtml_->setPlainText(QString::fromStdString(codedText_));
}

void HtmlWin::btncopy_Click()
{
    clipboard_.setText(codedText_);
}

void HtmlWin::btnsave_Click()
{
    const QPoint at = twipsPoint(kMenuLeftTwips, kOpsTwips.y() + kMenuBelowOpsTwips);
    emit opsRequested(mapToGlobal(at));
}

} // namespace tintara
