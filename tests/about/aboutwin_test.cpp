#include "about/aboutwin.h"
#include "support/controls.h"
#include "ui/look.h"

#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tintara;

class AboutWinTest : public QObject
{
    Q_OBJECT

private:
    // The two working windows the about window sets aside.
    std::unique_ptr<QWidget> main;
    std::unique_ptr<QWidget> coded;
    QPointer<AboutWin> about;
    const QPoint mainAt{140, 90};
    const QPoint codedAt{150, 260};

    void clickTitle() { QTest::mouseClick(control(about, "Label1"), Qt::LeftButton); }
    QString title() const { return control<QLabel>(about, "Label1")->text(); }

    // Closing deletes the window once the event loop comes round, as a real
    // unload does.
    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void verifyWorkingWindowsBack()
    {
        QVERIFY(main->isEnabled());
        QVERIFY(!main->isMinimized());
        QCOMPARE(main->pos(), mainAt);
        QVERIFY(coded->isEnabled());
        QVERIFY(coded->isVisible());
        QCOMPARE(coded->pos(), codedAt);
    }

private slots:
    void init()
    {
        // Frameless, as the program's own windows are.
        main = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        coded = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        main->setGeometry(QRect(mainAt, QSize(158, 137)));
        coded->setGeometry(QRect(codedAt, QSize(158, 108)));
        main->show();
        coded->show();
        about = new AboutWin(*main, *coded);
        about->show();
    }

    void cleanup()
    {
        delete about;
        main.reset();
        coded.reset();
    }

    void loadsWithItsDesignOnTop()
    {
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
        QCOMPARE(label1->font().families().first(), "Liberation Sans");
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

    void setsTheWorkingWindowsOutOfTheWay()
    {
        QVERIFY(!main->isEnabled());
        QVERIFY(main->isMinimized());
        QVERIFY(!coded->isEnabled());
        QVERIFY(coded->isHidden());
    }

    void theBoxThenTheTitleSlideInAndThenTheHintShows()
    {
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
        QTRY_VERIFY_WITH_TIMEOUT(control(about, "Label2")->isVisible(), 5000);
        QVERIFY(!control<QTimer>(about, "tmrform")->isActive());
        QCOMPARE(control(about, "Picture1")->y(), 8);
        QCOMPARE(control(about, "Label1")->y(), 8);
    }

    void thirtyFourClicksReachCloseAndTheNextClosesTheWindow()
    {
        QStringList captions{title()};
        // The animation is still under way: clicks work all the same.
        QVERIFY(control<QTimer>(about, "tmrform")->isActive());
        for (int click = 1; click <= 34; ++click) {
            clickTitle();
            captions.append(title());
        }
        QCOMPARE(captions.first(), "Tintara Deluxe");
        QCOMPARE(captions.last(), "close");
        QCOMPARE(QSet<QString>(captions.cbegin(), captions.cend()).size(), 35);
        QVERIFY(about->isVisible());

        clickTitle();
        QVERIFY(!about->isVisible());
        finishDeletes();
        QVERIFY(about.isNull());
        verifyWorkingWindowsBack();
    }

    void aCaptionOutsideTheSequenceMakesAClickDoNothing()
    {
        control<QLabel>(about, "Label1")->setText(QStringLiteral("not a credit"));
        clickTitle();
        QCOMPARE(title(), "not a credit");
        QVERIFY(about->isVisible());
    }

    void anyCloseRestoresTheWorkingWindowsOnce_data()
    {
        QTest::addColumn<bool>("byCloseCaption");
        QTest::newRow("the close caption") << true;
        QTest::newRow("the window closed") << false;
    }

    void anyCloseRestoresTheWorkingWindowsOnce()
    {
        QFETCH(bool, byCloseCaption);
        QSignalSpy unloaded(about.data(), &AboutWin::unloaded);
        // Whatever becomes of the windows meanwhile, they come back here.
        main->move(0, 0);
        coded->move(400, 5);
        if (byCloseCaption) {
            for (int click = 1; click <= 35; ++click) {
                clickTitle();
            }
        } else {
            QVERIFY(about->close());
        }
        QVERIFY(!about->isVisible());
        QVERIFY(!control<QTimer>(about, "tmrform")->isActive());
        verifyWorkingWindowsBack();
        QCOMPARE(unloaded.count(), 1);

        // A second close finds nothing to put back.
        main->move(0, 0);
        about->close();
        QCOMPARE(main->pos(), QPoint(0, 0));
        QCOMPARE(unloaded.count(), 1);
    }
};

QTEST_MAIN(AboutWinTest)
#include "aboutwin_test.moc"
