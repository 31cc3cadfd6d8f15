// How the program's windows are joined: each window asks through its
// signals, and what answers is the wiring in app/forms.cpp.
#include "chat/window_system.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/forms_with_fakes.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace tintara;

class FormsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;

    Forms &forms() { return fakes->forms; }

    // Closing deletes a window once the event loop comes round.
    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() { fakes = std::make_unique<FormsWithFakes>(); }
    void thePauseBetweenChatReadsRunsEventsAndEndsOnExit()
    {
        // This system's own window layer, pausing in the program's event loop.
        WindowSystem &windows = forms().chatWindows();
        bool ran = false;
        QTimer::singleShot(5, [&ran] { ran = true; }); // due while the pause lasts
        windows.yieldFor(std::chrono::milliseconds(50));
        QVERIFY(ran);

        QTimer::singleShot(0, [this] { forms().exitProgram(); });
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, windows.yieldFor(std::chrono::milliseconds(50)));
    }

    void cleanup() { fakes.reset(); }

    void optionsOpensTheFirstMenuWhereTheMainWindowAsks()
    {
        TintaraWin *main = forms().tintarawin();
        main->move(100, 100);
        main->show();
        QTest::mouseClick(control(main, "btnops"), Qt::LeftButton);
        QMenu *menu = forms().mainmenu()->mnu();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), main->mapToGlobal(QPoint(104, 127)));
        menu->close();
    }

    void opsOpensTheSecondMenuWhereTheCodedTextWindowAsks()
    {
        HtmlWin *coded = forms().htmlwin();
        coded->move(320, 260);
        coded->show();
        QTest::mouseClick(control(coded, "btnsave"), Qt::LeftButton);
        QMenu *menu = forms().mainmenu()->mnu2();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), coded->mapToGlobal(QPoint(13, 97)));
        menu->close();
    }

    void theCodedTextWindowFollowsTheMainWindowAndAMinimiseClosesThePreview()
    {
        TintaraWin *main = forms().tintarawin();
        HtmlWin *coded = forms().htmlwin();
        main->show();
        coded->show();
        forms().runPreview();
        const QPointer<PreviewWin> preview = forms().previewwin();

        main->showMinimized();
        QVERIFY(coded->isMinimized());
        QVERIFY(!coded->isEnabled());
        QVERIFY(!forms().previewOpen());
        finishDeletes();
        QVERIFY(preview.isNull());

        main->showNormal();
        QVERIFY(!coded->isMinimized());
        QVERIFY(coded->isEnabled());
        QVERIFY(!forms().previewOpen()); // restoring does not bring it back

        main->showMinimized();
        QVERIFY(!forms().previewOpen());
    }

    // close() is what the window system's close (Alt+F4, a taskbar) arrives as.
    void closingTheMainWindowEndsTheProgramAsExitDoes()
    {
        TintaraWin *main = forms().tintarawin();
        HtmlWin *coded = forms().htmlwin();
        main->show();
        coded->show();
        main->close();
        QCOMPARE(fakes->quits, 1);
        QVERIFY(!main->isVisible());
        QVERIFY(!coded->isVisible());
    }

    void aClosedCodedTextWindowComesBackWhereItWasWithTheNextFade()
    {
        TintaraWin *main = forms().tintarawin();
        HtmlWin *coded = forms().htmlwin();
        main->show();
        coded->move(300, 400);
        coded->show();
        coded->close();
        QVERIFY(main->isVisible());
        QCOMPARE(fakes->quits, 0);

        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        QVERIFY(coded->isVisible());
        QCOMPARE(coded->pos(), QPoint(300, 400));
        QCOMPARE(coded->codedText().substr(0, 5), "<Font");
    }

    // Offscreen, like X without a window manager, minimising leaves the
    // window on the screen.
    void aMinimiseThePlatformDoesNotHonourLeavesBothWindowsUsable()
    {
        TintaraWin *main = forms().tintarawin();
        HtmlWin *coded = forms().htmlwin();
        main->show();
        coded->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        forms().mainmenu()->action(QStringLiteral("mnu_mini"))->trigger();
        QVERIFY(!coded->isEnabled());
        QTRY_VERIFY(!main->isMinimized());
        QVERIFY(coded->isEnabled());
        QVERIFY(!coded->isMinimized());
    }

    void thePreviewLabelAndEntryRenderTheCurrentCodedTextIntoOneWindow()
    {
        TintaraWin *main = forms().tintarawin();
        HtmlWin *coded = forms().htmlwin();
        main->show();
        coded->show();
        QTest::mouseClick(control(coded, "btnclose"), Qt::LeftButton);
        PreviewWin *preview = forms().previewwin();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->txtpreview()->toPlainText(), ".::html displayer::.");

        main->txtfade1()->setText(QStringLiteral("second"));
        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        forms().mainmenu()->action(QStringLiteral("mnu_preview"))->trigger();
        QCOMPARE(forms().previewwin(), preview);
        QCOMPARE(preview->txtpreview()->toPlainText(), "second");
    }

    // Below the coded-text window and aligned with it, but never off the
    // screen; later previews open where the last one was left.
    void thePreviewOpensBelowTheCodedTextWindowAndOnTheScreen()
    {
        HtmlWin *coded = forms().htmlwin();
        coded->move(100, 100);
        coded->show();
        forms().runPreview();
        QCOMPARE(forms().previewwin()->pos(), QPoint(100, 100 + coded->height() + 1));
        forms().previewwin()->move(40, 50);
        forms().unloadPreviewIfOpen();
        forms().runPreview();
        QCOMPARE(forms().previewwin()->pos(), QPoint(40, 50));

        fakes = std::make_unique<FormsWithFakes>();
        const QRect area = forms().htmlwin()->screen()->availableGeometry();
        forms().htmlwin()->move(area.right() - 20, area.bottom() - 20);
        forms().runPreview();
        QVERIFY(area.contains(forms().previewwin()->frameGeometry()));
    }

    void aClosedPreviewIsUnloadedAndTheNextPreviewLoadsANewOne()
    {
        forms().runPreview();
        const QPointer<PreviewWin> first = forms().previewwin();
        QTest::mouseClick(control(first, "btnclose"), Qt::LeftButton);
        QVERIFY(!forms().previewOpen());

        forms().runPreview(); // while the first one's deletion is still pending
        QVERIFY(forms().previewOpen());
        QVERIFY(forms().previewwin() != first);
        finishDeletes();
        QVERIFY(first.isNull());
        QVERIFY(forms().previewwin()->isVisible());
    }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
