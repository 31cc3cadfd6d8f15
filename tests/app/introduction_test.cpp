#include "app/introduction.h"
#include "app/startup.h"
#include "preview/htmlwin.h"
#include "support/forms_with_fakes.h"
#include "workspace/tintarawin.h"

#include <QSignalSpy>
#include <QTest>

using namespace tintara;

class IntroductionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    std::unique_ptr<Introduction> splash;
    std::unique_ptr<QSignalSpy> unloaded;

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        splash = std::make_unique<Introduction>();
        unloaded = std::make_unique<QSignalSpy>(splash.get(), &Introduction::unloaded);
        connect(splash.get(), &Introduction::unloaded, this,
                [this] { showWorkingWindows(fakes->forms, splash->screen()); });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.get()));
    }

    void cleanup()
    {
        unloaded.reset();
        splash.reset();
        fakes.reset();
    }

    void isATopmostFramelessPictureOfItsSize()
    {
        QCOMPARE(splash->windowTitle(), "introduction");
        QCOMPARE(splash->size(), QSize(262, 75));
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash->isVisible());
    }

    void aSingleClickDoesNothing()
    {
        QTest::mouseClick(splash.get(), Qt::LeftButton, {}, QPoint(100, 30));
        QTest::qWait(50);
        QVERIFY(splash->isVisible());
        QCOMPARE(unloaded->count(), 0);
        QVERIFY(!fakes->forms.tintarawin()->isVisible());
    }

    void aDoubleClickOpensTheWorkingWindowsOneAboveTheOther()
    {
        QTest::mouseDClick(splash.get(), Qt::LeftButton, {}, QPoint(100, 30));
        QVERIFY(!splash->isVisible());
        QCOMPARE(unloaded->count(), 1);
        TintaraWin *main = fakes->forms.tintarawin();
        HtmlWin *coded = fakes->forms.htmlwin();
        QVERIFY(main->isVisible());
        QVERIFY(coded->isVisible());
        // 20 twips below the main window: one pixel.
        QCOMPARE(coded->y(), main->y() + main->height() + 1);
        QCOMPARE(coded->x(), main->x());
    }

    void closingItAnyOtherWayOpensThemOnce()
    {
        TintaraWin *main = fakes->forms.tintarawin();
        main->move(300, 40);
        fakes->forms.htmlwin()->move(20, 500);
        splash->close();
        splash->close();
        QCOMPARE(unloaded->count(), 1);
        QCOMPARE(main->pos(), QPoint(300, 40));
        QCOMPARE(fakes->forms.htmlwin()->pos(), QPoint(20, 178));
    }
};

QTEST_MAIN(IntroductionTest)
#include "introduction_test.moc"
