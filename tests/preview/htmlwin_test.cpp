#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"
#include "ui/look.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tintara;

class HtmlWinTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    HtmlWin *win = nullptr;

    void click(const char *button) { QTest::mouseClick(control(win, button), Qt::LeftButton); }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        win = fakes->forms.htmlwin();
        win->move(200, 150);
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win));
    }

    void cleanup() { fakes.reset(); }

    void startsWithTheDisplayerTextAndItsLabels()
    {
        QCOMPARE(win->windowTitle(), "html display window");
        QCOMPARE(win->size(), QSize(158, 108));
        QCOMPARE(control<QLabel>(win, "title")->text(), "html display window");
        QCOMPARE(textColour(control(win, "title")), kTitleText);
        QCOMPARE(control<QLabel>(win, "btnsave")->text(), "ops.");
        QCOMPARE(control<QLabel>(win, "btncopy")->text(), "copy");
        QCOMPARE(control<QLabel>(win, "btnclose")->text(), "preview");
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
        QCOMPARE(fakes->clipboard->texts,
                 QStringList({".::html displayer::.", "<Font Color=#FF0000>&</Font>", "",
                              QString::fromStdString(noBreak)}));
    }

    void opsOpensTheSecondMenuBelowItsTopWhereverTheWindowIs()
    {
        QMenu *menu = fakes->forms.mainmenu()->mnu2();
        for (const QPoint place : {QPoint(200, 150), QPoint(320, 260)}) {
            win->move(place);
            click("btnsave");
            QVERIFY(menu->isVisible());
            // 200 twips from the left, 110 twips below the label's top.
            QCOMPARE(menu->pos(), win->mapToGlobal(QPoint(13, 97)));
            menu->close();
        }
    }

    void thePreviewLabelAsksForThePreview()
    {
        QSignalSpy asked(win, &HtmlWin::previewRequested);
        click("btnclose");
        QCOMPARE(asked.count(), 1);
    }

    void aPressReleasedAwayFromALabelRestoresItsColourAndDoesNothing()
    {
        QWidget *copy = control(win, "btncopy");
        QTest::mousePress(copy, Qt::LeftButton);
        QCOMPARE(textColour(copy), kPressedText);
        QTest::mouseRelease(copy, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(textColour(copy), kText);
        QVERIFY(fakes->clipboard->texts.isEmpty());
    }

    void theRightButtonDragsByTitleAndBody()
    {
        const QPoint start = win->pos();
        QWidget *title = control(win, "title");
        QTest::mousePress(title, Qt::RightButton, {}, QPoint(4, 4));
        QTest::mouseMove(title, QPoint(-16, 14));
        QTest::mouseRelease(title, Qt::RightButton, {}, QPoint(-16, 14));
        QCOMPARE(win->pos(), start + QPoint(-20, 10));

        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(150, 100));
        QTest::mouseMove(win, QPoint(160, 130));
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(160, 130));
        QCOMPARE(win->pos(), start + QPoint(-10, 40));
    }
};

QTEST_MAIN(HtmlWinTest)
#include "htmlwin_test.moc"
