#include "preview/htmlwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"
#include "ui/look.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tintara;

class HtmlWinTest : public QObject
{
    Q_OBJECT

private:
    RecordingClipboard clipboard;
    std::unique_ptr<HtmlWin> win;

    void click(const char *button)
    {
        QTest::mouseClick(control(win.get(), button), Qt::LeftButton);
    }

private slots:
    void init()
    {
        clipboard.texts.clear();
        win = std::make_unique<HtmlWin>(clipboard);
        win->move(200, 150);
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
    }

    void cleanup() { win.reset(); }

    void startsWithTheDisplayerTextAndItsLabels()
    {
        QCOMPARE(win->windowTitle(), "html display window");
        QCOMPARE(win->size(), QSize(158, 108));
        QCOMPARE(control<QLabel>(win.get(), "title")->text(), "html display window");
        QCOMPARE(textColour(control(win.get(), "title")), kTitleText);
        QCOMPARE(control<QLabel>(win.get(), "btnsave")->text(), "ops.");
        QCOMPARE(control<QLabel>(win.get(), "btncopy")->text(), "copy");
        QCOMPARE(control<QLabel>(win.get(), "btnclose")->text(), "preview");
        QCOMPARE(win->txthtml()->toPlainText(), ".::html displayer::.");
        QCOMPARE(win->txthtml()->geometry(), QRect(3, 27, 152, 57));
        QCOMPARE(win->txthtml()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void theUserCanSelectButNotEdit()
    {
        QPlainTextEdit *box = win->txthtml();
        QVERIFY(box->isReadOnly());
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("typed"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), ".::html displayer::.");
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box->textCursor().selectedText(), ".::html displayer::.");
    }

    void copyPutsWhateverTheBoxHoldsOnTheClipboard()
    {
        click("btncopy");
        win->setCodedText("<Font Color=#FF0000>&</Font>");
        click("btncopy");
        win->setCodedText("");
        click("btncopy");
        // A faded no-break space stays one; the box alone would give a plain space.
        const std::string noBreak = "<Font Color=#FF0000>\u00A0</Font>";
        win->setCodedText(noBreak);
        click("btncopy");
        QCOMPARE(clipboard.texts,
                 QStringList({".::html displayer::.", "<Font Color=#FF0000>&</Font>", "",
                              QString::fromStdString(noBreak)}));
    }

    void opsAsksForTheSecondMenuBelowItsTopWhereverTheWindowIs()
    {
        QSignalSpy asked(win.get(), &HtmlWin::opsRequested);
        for (const QPoint place : {QPoint(200, 150), QPoint(320, 260)}) {
            win->move(place);
            click("btnsave");
            // 200 twips from the left, 110 twips below the label's top.
            QCOMPARE(asked.takeFirst().at(0).toPoint(), win->mapToGlobal(QPoint(13, 97)));
        }
    }

    void thePreviewLabelAsksForThePreview()
    {
        QSignalSpy asked(win.get(), &HtmlWin::previewRequested);
        click("btnclose");
        QCOMPARE(asked.count(), 1);
    }

    void itsLabelsNameTheirKeysInTheirTooltips()
    {
        QCOMPARE(control(win.get(), "btnsave")->toolTip(), "ops. (Alt+O, F10, Menu)");
        QCOMPARE(control(win.get(), "btncopy")->toolTip(), "copy (Alt+C)");
        QCOMPARE(control(win.get(), "btnclose")->toolTip(), "preview (Alt+P)");
    }

    void draggingTheTitleMovesTheWindow()
    {
        const QPoint start = win->pos();
        QWidget *title = control(win.get(), "title");
        QTest::mousePress(title, Qt::RightButton, {}, QPoint(4, 4));
        QTest::mouseMove(title, QPoint(-16, 14));
        QTest::mouseRelease(title, Qt::RightButton, {}, QPoint(-16, 14));
        QCOMPARE(win->pos(), start + QPoint(-20, 10));
    }
};

QTEST_MAIN(HtmlWinTest)
#include "htmlwin_test.moc"
