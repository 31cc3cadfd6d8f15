#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"
#include "ui/look.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

using namespace tintara;

class PreviewWinTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    QPointer<PreviewWin> win;

    void openPreview(const std::string &coded)
    {
        if (win == nullptr) {
            win = new PreviewWin(fakes->forms);
        }
        win->preview(coded);
    }

    // Deletion on close is deferred to the event loop, as a real unload is.
    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() { fakes = std::make_unique<FormsWithFakes>(); }

    void cleanup()
    {
        delete win;
        fakes.reset();
    }

    void loadsWithItsControlsOnTopAndSetsTheFlag()
    {
        QVERIFY(!fakes->forms.previewOpen());
        win = new PreviewWin(fakes->forms);
        QVERIFY(fakes->forms.previewOpen());
        QVERIFY(win->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(win->windowTitle(), "preview window");
        QCOMPARE(win->size(), QSize(217, 24));

        QTextEdit *box = win->txtpreview();
        QCOMPARE(box->objectName(), "txtpreview");
        QCOMPARE(box->toPlainText(), "preview");
        QCOMPARE(box->font().families().first(), "Verdana");
        QCOMPARE(box->font().pointSizeF(), 8.5);
        QCOMPARE(box->geometry(), QRect(3, 3, 177, 18));
        QCOMPARE(control<QLabel>(win, "btnclose")->text(), "close");
        QCOMPARE(control(win, "btnclose")->geometry(), QRect(184, 5, 28, 12));
        QCOMPARE(control(win, "Line1")->geometry(), QRect(0, 0, 217, 1));
        QCOMPARE(control(win, "Line2")->geometry(), QRect(0, 0, 1, 24));
        QCOMPARE(control(win, "Line3")->geometry(), QRect(216, 0, 1, 24));
        QCOMPARE(control(win, "Line4")->geometry(), QRect(0, 23, 217, 1));
    }

    void previewShowsTheWindowThenTheRenderedText()
    {
        openPreview(".::html displayer::.");
        QVERIFY(win->isVisible());
        QCOMPARE(win->txtpreview()->toPlainText(), ".::html displayer::.");
        QCOMPARE(win->txtpreview()->currentCharFormat().foreground().color(), QColor(Qt::black));
    }

    void aLongLineShowsFromItsStart()
    {
        openPreview("<b>" + std::string(3000, 'w'));
        QCOMPARE(win->txtpreview()->verticalScrollBar()->value(), 0);
        QCOMPARE(win->txtpreview()->textCursor().position(), 3000);
    }

    void previewingAgainRendersTheCurrentTextInTheSameWindow()
    {
        openPreview("<b>first</b>");
        const QPointer<PreviewWin> first = win;
        first->move(300, 200);
        openPreview("<i>second</i>");
        QCOMPARE(win, first);
        QCOMPARE(win->pos(), QPoint(300, 200));
        QCOMPARE(win->txtpreview()->toPlainText(), "second");
        const QList<QTextEdit *> boxes = win->findChildren<QTextEdit *>();
        QCOMPARE(boxes.size(), 1);
    }

    void theCloseLabelUnloadsItAndClearsTheFlag()
    {
        openPreview("x");
        QTest::mouseClick(control(win, "btnclose"), Qt::LeftButton);
        QVERIFY(!fakes->forms.previewOpen());
        QVERIFY(!win->isVisible());
        finishDeletes();
        QVERIFY(win == nullptr);
        // A later minimise of the main window finds nothing to close.
        fakes->forms.unloadPreviewIfOpen();
        QVERIFY(!fakes->forms.previewOpen());
    }

    void closingFromOutsideUnloadsItLikeTheLabel()
    {
        openPreview("x");
        fakes->forms.unloadPreviewIfOpen();
        QVERIFY(!fakes->forms.previewOpen());
        finishDeletes();
        QVERIFY(win == nullptr);

        openPreview("again");
        QVERIFY(fakes->forms.previewOpen());
        QCOMPARE(win->txtpreview()->toPlainText(), "again");
    }

    void theCloseLabelDarkensOnlyWhileHeld()
    {
        openPreview("x");
        QWidget *close = control(win, "btnclose");
        QTest::mousePress(close, Qt::LeftButton);
        QCOMPARE(textColour(close), kPressedText);
        QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-10, -10));
        QCOMPARE(textColour(close), kText);
        QVERIFY(fakes->forms.previewOpen());
    }
};

QTEST_MAIN(PreviewWinTest)
#include "previewwin_test.moc"
