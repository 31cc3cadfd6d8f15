#include "preview/previewwin.h"
#include "support/controls.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QWheelEvent>

using namespace tintara;

class PreviewWinTest : public QObject
{
    Q_OBJECT

private:
    QPointer<PreviewWin> win;

    // Deletion on close is deferred to the event loop, as a real unload is.
    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() { win = new PreviewWin; }
    void cleanup() { delete win; }

    void loadsWithItsControlsOnTop()
    {
        QVERIFY(win->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(win->windowTitle(), "preview window");
        QCOMPARE(win->size(), QSize(217, 24));

        QTextEdit *box = win->txtpreview();
        QCOMPARE(box->objectName(), "txtpreview");
        QCOMPARE(box->toPlainText(), "preview");
        QCOMPARE(box->font().families().first(), "DejaVu Sans");
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
        win->preview(".::html displayer::.");
        QVERIFY(win->isVisible());
        QCOMPARE(win->txtpreview()->toPlainText(), ".::html displayer::.");
        QCOMPARE(win->txtpreview()->currentCharFormat().foreground().color(), QColor(Qt::black));
    }

    void aLongLineShowsFromItsStart()
    {
        win->preview("<b>" + std::string(3000, 'w'));
        QCOMPARE(win->txtpreview()->verticalScrollBar()->value(), 0);
        QCOMPARE(win->txtpreview()->textCursor().position(), 3000);
    }

    void previewingAgainRendersTheNewTextInPlace()
    {
        win->preview("<b>first</b>");
        win->move(300, 200);
        win->preview("<i>second</i>");
        QCOMPARE(win->pos(), QPoint(300, 200));
        QCOMPARE(win->txtpreview()->toPlainText(), "second");
        QCOMPARE(win->findChildren<QTextEdit *>().size(), 1);
    }

    void movesByItsBodyAndFrame()
    {
        win->move(200, 200);
        win->preview("x");
        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(win, QPoint(31, 11));
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(31, 11));
        QCOMPARE(win->pos(), QPoint(230, 210));
    }

    // Each turn of the wheel brings the next or previous line to the top, whole.
    void theWheelScrollsByWholeLines()
    {
        win->preview(std::string(200, 'w'));
        QTextEdit *box = win->txtpreview();
        const auto topLine = [box] {
            const QTextCursor cursor = box->cursorForPosition(QPoint(2, 2));
            return std::pair{
                cursor.block().layout()->lineForTextPosition(cursor.positionInBlock()).lineNumber(),
                box->cursorRect(cursor).top()};
        };
        const auto [firstLine, firstTop] = topLine();
        const auto turn = [box](int delta) {
            QWheelEvent wheel(QPointF(5, 5), box->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(box->viewport(), &wheel);
        };
        for (const auto &[delta, line] : {std::pair{-120, 1}, {-120, 2}, {120, 1}, {-240, 3}}) {
            turn(delta);
            QCOMPARE(topLine(), std::pair(firstLine + line, firstTop));
        }
    }

    void theCloseLabelOrAnUnloadClosesItOnceAndForAll_data()
    {
        QTest::addColumn<bool>("byLabel");
        QTest::newRow("the close label") << true;
        QTest::newRow("unload") << false;
    }

    void theCloseLabelOrAnUnloadClosesItOnceAndForAll()
    {
        QFETCH(bool, byLabel);
        QSignalSpy unloaded(win.data(), &PreviewWin::unloaded);
        win->preview("x");
        if (byLabel) {
            QTest::mouseClick(control(win, "btnclose"), Qt::LeftButton);
        } else {
            win->unload();
        }
        QVERIFY(!win->isVisible());
        QCOMPARE(unloaded.count(), 1);
        win->close();
        QCOMPARE(unloaded.count(), 1);
        finishDeletes();
        QVERIFY(win.isNull());
    }
};

QTEST_MAIN(PreviewWinTest)
#include "previewwin_test.moc"
