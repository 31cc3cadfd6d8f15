#include "about/aboutwin.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"
#include "ui/look.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace tintara;

class AboutWinTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    TintaraWin *main = nullptr;
    HtmlWin *coded = nullptr;
    const QPoint mainAt{140, 90};
    const QPoint codedAt{150, 260};

    // "&about tintara..." from the options menu, as the user chooses it.
    QPointer<AboutWin> chooseAbout()
    {
        fakes->forms.mainmenu()->action(QStringLiteral("mnu_about"))->trigger();
        const QList<AboutWin *> shown = openAboutWindows();
        return shown.size() == 1 ? shown.first() : nullptr;
    }

    static QList<AboutWin *> openAboutWindows()
    {
        QList<AboutWin *> shown;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *about = qobject_cast<AboutWin *>(window);
            if (about != nullptr && about->isVisible()) {
                shown.append(about);
            }
        }
        return shown;
    }

    static void clickTitle(AboutWin *about)
    {
        QTest::mouseClick(control(about, "Label1"), Qt::LeftButton);
    }

    static QString title(const AboutWin *about) { return control<QLabel>(about, "Label1")->text(); }

    // Closing deletes the window once the event loop comes round, as a real
    // unload does.
    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void verifyOtherWindowsBack()
    {
        QVERIFY(main->isEnabled());
        QVERIFY(!main->isMinimized());
        QCOMPARE(main->pos(), mainAt);
        QVERIFY(coded->isEnabled());
        QVERIFY(coded->isVisible());
        QVERIFY(!coded->isMinimized());
        QCOMPARE(coded->pos(), codedAt);
    }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        main = fakes->forms.tintarawin();
        coded = fakes->forms.htmlwin();
        main->move(mainAt);
        coded->move(codedAt);
        main->show();
        coded->show();
    }

    void cleanup()
    {
        finishDeletes();
        fakes.reset();
    }

    void loadsWithItsDesignOnTop()
    {
        const QPointer<AboutWin> about = chooseAbout();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), "about tintara");
        QCOMPARE(about->size(), QSize(161, 57));
        QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(about->grab().toImage().pixelColor(80, 4), QColor(194, 200, 202));

        // The box starts wholly above the window, the title above the box.
        QCOMPARE(control(about, "Picture1")->geometry(), QRect(8, -48, 145, 41));
        QLabel *label1 = control<QLabel>(about, "Label1");
        QCOMPARE(label1->parent(), control(about, "Picture1"));
        QCOMPARE(label1->geometry(), QRect(20, -20, 103, 14));
        QCOMPARE(label1->text(), "Tintara Deluxe");
        QVERIFY(label1->font().bold());
        QCOMPARE(label1->font().families().first(), "Arial");
        QCOMPARE(label1->alignment(), Qt::AlignCenter);
        QCOMPARE(textColour(label1), kText);
        QLabel *label2 = control<QLabel>(about, "Label2");
        QCOMPARE(label2->text(), "(click text above)");
        QCOMPARE(label2->geometry(), QRect(0, 23, 145, 9));
        QVERIFY(label2->isHidden());
        QTimer *tmrform = control<QTimer>(about, "tmrform");
        QCOMPARE(tmrform->interval(), 10);
        QVERIFY(tmrform->isActive());

        QCOMPARE(control(about, "Line1")->geometry(), QRect(0, 0, 161, 1));
        QCOMPARE(control(about, "Line2")->geometry(), QRect(0, 0, 1, 57));
        QCOMPARE(control(about, "Line3")->geometry(), QRect(160, 0, 1, 57));
        QCOMPARE(control(about, "Line4")->geometry(), QRect(0, 56, 161, 1));
    }

    void setsTheOtherWindowsOutOfTheWayAndClosesThePreview()
    {
        const QPointer<PreviewWin> preview = fakes->forms.previewwin();
        preview->preview("<b>shown</b>");
        QVERIFY(fakes->forms.previewOpen());

        const QPointer<AboutWin> about = chooseAbout();
        QVERIFY(!main->isEnabled());
        QVERIFY(main->isMinimized());
        QVERIFY(!coded->isEnabled());
        QVERIFY(coded->isHidden());
        QVERIFY(!fakes->forms.previewOpen());
        QVERIFY(!preview->isVisible());

        about->close();
        finishDeletes();
        QVERIFY(!fakes->forms.previewOpen());
        QVERIFY(preview.isNull());
        verifyOtherWindowsBack();
    }

    void theBoxThenTheTitleSlideInAndThenTheHintShows()
    {
        const QPointer<AboutWin> about = chooseAbout();
        QWidget *box = control(about, "Picture1");
        QWidget *label1 = control(about, "Label1");
        QWidget *hint = control(about, "Label2");
        QTimer *tmrform = control<QTimer>(about, "tmrform");

        // Driven tick by tick, with no event processing in between, so the
        // real timer adds none of its own.
        int boxTicks = 0;
        int titleTicks = 0;
        int hintTicks = 0;
        while (tmrform->isActive() && boxTicks + titleTicks + hintTicks < 100) {
            const int boxTop = box->y();
            const int titleTop = label1->y();
            QVERIFY(hint->isHidden());
            about->tmrform_Timer();
            if (box->y() != boxTop) {
                QCOMPARE(titleTicks, 0);
                ++boxTicks;
            } else if (label1->y() != titleTop) {
                ++titleTicks;
            } else {
                QVERIFY(hint->isVisible());
                ++hintTicks;
            }
        }
        QCOMPARE(boxTicks, 24);
        QCOMPARE(titleTicks, 14);
        QCOMPARE(hintTicks, 1);
        QVERIFY(!tmrform->isActive());
        // 125 twips for the box, exactly 120 for the title.
        QCOMPARE(box->y(), 8);
        QCOMPARE(label1->y(), 8);
    }

    void theTimerRunsTheAnimationToItsEnd()
    {
        const QPointer<AboutWin> about = chooseAbout();
        QTRY_VERIFY_WITH_TIMEOUT(control(about, "Label2")->isVisible(), 5000);
        QVERIFY(!control<QTimer>(about, "tmrform")->isActive());
        QCOMPARE(control(about, "Picture1")->y(), 8);
        QCOMPARE(control(about, "Label1")->y(), 8);
    }

    void thirtyFourClicksReachCloseAndTheNextClosesTheWindow()
    {
        const QPointer<AboutWin> about = chooseAbout();
        QStringList captions{title(about)};
        // The animation is still under way: clicks work all the same.
        QVERIFY(control<QTimer>(about, "tmrform")->isActive());
        for (int click = 1; click <= 34; ++click) {
            clickTitle(about);
            captions.append(title(about));
        }
        QCOMPARE(captions.first(), "Tintara Deluxe");
        QCOMPARE(captions.last(), "close");
        QCOMPARE(QSet<QString>(captions.cbegin(), captions.cend()).size(), 35);
        const QLabel *label1 = control<QLabel>(about, "Label1");
        for (const QString &caption : captions) {
            QVERIFY2(QFontMetrics(label1->font()).horizontalAdvance(caption) <= label1->width(),
                     qPrintable(caption));
        }
        QVERIFY(about->isVisible());

        clickTitle(about);
        QVERIFY(!about->isVisible());
        finishDeletes();
        QVERIFY(about.isNull());
        verifyOtherWindowsBack();
    }

    void aCaptionOutsideTheSequenceMakesAClickDoNothing()
    {
        const QPointer<AboutWin> about = chooseAbout();
        control<QLabel>(about, "Label1")->setText(QStringLiteral("not a credit"));
        clickTitle(about);
        QCOMPARE(title(about), "not a credit");
        QVERIFY(about->isVisible());
    }

    void anyCloseRestoresTheOtherWindows_data()
    {
        QTest::addColumn<bool>("byCloseCaption");
        QTest::newRow("the close caption") << true;
        QTest::newRow("the window closed") << false;
    }

    void anyCloseRestoresTheOtherWindows()
    {
        QFETCH(bool, byCloseCaption);
        const QPointer<AboutWin> about = chooseAbout();
        // Whatever becomes of the windows meanwhile, they come back here.
        main->move(0, 0);
        coded->move(400, 5);
        if (byCloseCaption) {
            for (int click = 1; click <= 35; ++click) {
                clickTitle(about);
            }
        } else {
            QVERIFY(about->close());
        }
        QVERIFY(!about->isVisible());
        QVERIFY(!control<QTimer>(about, "tmrform")->isActive());
        verifyOtherWindowsBack();
    }

    void choosingItAgainWhileOpenOnlyBringsItForward()
    {
        const QPointer<AboutWin> first = chooseAbout();
        clickTitle(first);
        clickTitle(first);
        const QString caption = title(first);
        const int boxTop = control(first, "Picture1")->y();

        QCOMPARE(chooseAbout().data(), first.data());
        QCOMPARE(openAboutWindows().size(), 1);
        QCOMPARE(title(first), caption);
        QCOMPARE(control(first, "Picture1")->y(), boxTop);
        QVERIFY(!main->isEnabled());
    }

    void openingAgainAfterClosingStartsAfresh()
    {
        const QPointer<AboutWin> first = chooseAbout();
        clickTitle(first);
        first->close();
        // The windows were moved while back; the new window saves the new places.
        const QPoint mainMovedTo(60, 40);
        main->move(mainMovedTo);

        const QPointer<AboutWin> second = chooseAbout();
        QVERIFY(second);
        QVERIFY(second != first);
        QCOMPARE(title(second), "Tintara Deluxe");
        QCOMPARE(control(second, "Picture1")->y(), -48);
        QVERIFY(control(second, "Label2")->isHidden());
        QVERIFY(control<QTimer>(second, "tmrform")->isActive());
        QVERIFY(main->isMinimized());

        second->close();
        QCOMPARE(main->pos(), mainMovedTo);
        QVERIFY(main->isEnabled());
    }

    void exitWhileOpenEndsWithoutRestoring()
    {
        const QPointer<AboutWin> about = chooseAbout();
        fakes->forms.mainmenu()->action(QStringLiteral("mnu_exit"))->trigger();
        QCOMPARE(fakes->quits, 1);
        QVERIFY(!about->isVisible());
        QVERIFY(!main->isEnabled());
        QVERIFY(coded->isHidden());
    }
};

QTEST_MAIN(AboutWinTest)
#include "aboutwin_test.moc"
