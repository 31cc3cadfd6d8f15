#include "preview/previewwin.h"
#include "support/controls.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

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
