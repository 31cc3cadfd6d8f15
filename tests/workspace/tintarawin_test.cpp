#include "support/controls.h"
#include "ui/look.h"
#include "workspace/colour_sample.h"
#include "workspace/tintarawin.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tintara;

namespace
{

ColorValue rgb(int red, int green, int blue)
{
    return makeColor(static_cast<std::int16_t>(red), static_cast<std::int16_t>(green),
                     static_cast<std::int16_t>(blue));
}

QString label(const TintaraWin *win, const char *name)
{
    return control<QLabel>(win, name)->text();
}

// Counts the fade commands run against it: each one writes its run once.
struct CountingFadeHost final : FadeCommandHost {
    int runs = 0;

    std::string text() override { return "Hi"; }
    void clearText() override {}
    int colourCount() override { return kMinColors; }
    ColorValue slotColour(int) override { return kWhite; }
    bool styleChecked(Style) override { return false; }
    std::string codedText() override { return {}; }
    void setCodedText(std::string) override { ++runs; }
    void yield() override {}
};

} // namespace

class TintaraWinTest : public QObject
{
    Q_OBJECT

private:
    CountingFadeHost fadeHost;
    std::unique_ptr<TintaraWin> owned;
    TintaraWin *win = nullptr;

    QScrollBar *bar(const char *name) { return control<QScrollBar>(win, name); }
    void click(const char *button) { QTest::mouseClick(control(win, button), Qt::LeftButton); }

    // The slot being edited, as the bars, the sample and the captions show it.
    bool editing(int slot) const
    {
        const RgbTriple colour = splitColor(win->slotColour(slot));
        return win->currentSlot() == slot &&
               control<QScrollBar>(win, "red1")->value() == colour.red &&
               control<QScrollBar>(win, "green1")->value() == colour.green &&
               control<QScrollBar>(win, "blue1")->value() == colour.blue &&
               win->currentColour() == win->slotColour(slot) &&
               label(win, "title") == QStringLiteral("tintara deluxe: color %1").arg(slot);
    }

private slots:
    void init()
    {
        fadeHost.runs = 0;
        owned = std::make_unique<TintaraWin>(fadeHost);
        win = owned.get();
        win->move(100, 100);
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win));
    }

    void cleanup() { owned.reset(); }

    void startsInItsDesignState()
    {
        QCOMPARE(win->windowTitle(), "tintara deluxe - vorlen");
        QCOMPARE(label(win, "title"), "tintara deluxe: color 1");
        for (const char *name : {"red1", "green1", "blue1"}) {
            QCOMPARE(bar(name)->value(), 255);
        }
        for (const char *name : {"lblred2", "lblgreen2", "lblblue2"}) {
            QCOMPARE(label(win, name), "255");
        }
        QCOMPARE(label(win, "lblred1"), "Red:");
        QCOMPARE(label(win, "lblgreen1"), "Green:");
        QCOMPARE(label(win, "lblblue1"), "Blue:");
        QCOMPARE(control<ColourSample>(win, "fade1")->colour(), kWhite);
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#ffffff");
        QVERIFY(control<QLineEdit>(win, "txthex1")->isReadOnly());
        QCOMPARE(bar("colors1")->value(), 2);
        QCOMPARE(label(win, "lblcolors1"), "use: 2 colors");
        QCOMPARE(win->txtfade1()->text(), "text to fade");
        QCOMPARE(win->currentSlot(), 1);
        for (int slot = 1; slot <= 10; ++slot) {
            QCOMPARE(win->slotColour(slot), kWhite);
        }
        auto *timer = control<QTimer>(win, "tmrclr");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
    }

    void controlsSitWhereTheDesignPutsThem()
    {
        QCOMPARE(win->size(), QSize(158, 137));
        QVERIFY(win->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(control(win, "title")->geometry(), QRect(14, 6, 130, 12));
        QCOMPARE(bar("red1")->geometry(), QRect(4, 27, 77, 9));
        QCOMPARE(bar("green1")->geometry(), QRect(4, 35, 77, 9));
        QCOMPARE(bar("blue1")->geometry(), QRect(4, 43, 77, 9));
        QCOMPARE(control(win, "fade1")->geometry(), QRect(4, 53, 77, 9));
        QCOMPARE(control(win, "txthex1")->geometry(), QRect(86, 70, 69, 19));
        QCOMPARE(bar("colors1")->geometry(), QRect(4, 71, 77, 9));
        QCOMPARE(control(win, "txtfade1")->geometry(), QRect(3, 96, 152, 18));
        QCOMPARE(control(win, "btnfade")->geometry(), QRect(4, 120, 37, 15));
        QCOMPARE(control(win, "btncopy")->geometry(), QRect(47, 120, 40, 15));
        QCOMPARE(control(win, "btnops")->geometry(), QRect(93, 120, 62, 15));

        QCOMPARE(textColour(control(win, "title")), kTitleText);
        QCOMPARE(textColour(control(win, "lblcolors1")), kText);
        QCOMPARE(win->txtfade1()->font().pointSizeF(), 6.75);
        for (const char *name : {"btnfade", "btncopy", "btnops"}) {
            QVERIFY(control(win, name)->font().underline());
            QCOMPARE(textColour(control(win, name)), kText);
        }
    }

    void aBarRecomposesTheColourWhichReachesTheSlotAtTheNextTick()
    {
        bar("red1")->setValue(0);
        QCOMPARE(win->currentColour(), rgb(0, 255, 255));
        QCOMPARE(label(win, "lblred2"), "0");
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#00ffff");
        QCOMPARE(win->slotColour(1), kWhite);
        QTRY_COMPARE_WITH_TIMEOUT(win->slotColour(1), rgb(0, 255, 255), 1000);

        bar("blue1")->setValue(16);
        QCOMPARE(label(win, "lblblue2"), "16");
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#00ff10");
    }

    void draggingTheThumbShowsTheColourWhileItMoves()
    {
        QScrollBar *green = bar("green1");
        // Right end of the groove, where the thumb sits at 255.
        const QPoint thumb(green->width() - 4, green->height() / 2);
        QTest::mousePress(green, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(green, QPoint(thumb.x() - 40, thumb.y()));
        const int moved = label(win, "lblgreen2").toInt();
        QVERIFY(moved < 255);
        QCOMPARE(win->currentColour(), rgb(255, moved, 255));
        QTest::mouseRelease(green, Qt::LeftButton, {}, QPoint(thumb.x() - 40, thumb.y()));
        QCOMPARE(green->value(), moved);
        QCOMPARE(win->currentColour(), rgb(255, moved, 255));
    }

    void aFocusedBarFollowsArrowAndPageKeys()
    {
        QScrollBar *red = bar("red1");
        red->setFocus();
        QTest::keyClick(red, Qt::Key_Home);
        QCOMPARE(red->value(), 0);
        QTest::keyClick(red, Qt::Key_Right);
        QCOMPARE(red->value(), 1);
        QTest::keyClick(red, Qt::Key_PageDown);
        QCOMPARE(red->value(), 11);
        QTest::keyClick(red, Qt::Key_PageUp);
        QTest::keyClick(red, Qt::Key_Left);
        QCOMPARE(red->value(), 0);
        QCOMPARE(label(win, "lblred2"), "0");
        QCOMPARE(win->currentColour(), rgb(0, 255, 255));
    }

    void changingTheCountReturnsEditingToSlotOne()
    {
        QTest::keyClick(bar("colors1"), Qt::Key_Right);
        win->selectSlot(2);
        bar("red1")->setValue(10);
        win->tmrclr_Timer();
        QCOMPARE(win->slotColour(2), rgb(10, 255, 255));

        QSignalSpy counts(win, &TintaraWin::countChanged);
        QSignalSpy selected(win, &TintaraWin::slotSelected);
        QScrollBar *count = bar("colors1");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Right);
        QTest::keyClick(count, Qt::Key_Right);
        QCOMPARE(count->value(), 5);
        QCOMPARE(label(win, "lblcolors1"), "use: 5 colors");
        QCOMPARE(counts.count(), 2);
        QCOMPARE(counts.last().at(0).toInt(), 5);
        QCOMPARE(selected.last().at(0).toInt(), 1);
        QVERIFY(editing(1));
        QCOMPARE(win->slotColour(2), rgb(10, 255, 255));

        QTest::keyClick(count, Qt::Key_End);
        QCOMPARE(label(win, "lblcolors1"), "use: 10 colors");
        QCOMPARE(counts.last().at(0).toInt(), 10);
    }

    void selectSlotLoadsItsColourAndNamesIt()
    {
        win->setColourCount(3);
        win->setSlotColour(3, rgb(10, 20, 30));
        QSignalSpy selected(win, &TintaraWin::slotSelected);
        win->selectSlot(3);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().at(0).toInt(), 3);
        QCOMPARE(bar("red1")->value(), 10);
        QCOMPARE(bar("green1")->value(), 20);
        QCOMPARE(bar("blue1")->value(), 30);
        QCOMPARE(label(win, "lblgreen2"), "20");
        QCOMPARE(win->currentColour(), rgb(10, 20, 30));
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#0a141e");
        QCOMPARE(win->currentSlot(), 3);
        QCOMPARE(label(win, "title"), "tintara deluxe: color 3");

        // Slot 3's later edits reach slot 3, not slot 1.
        bar("red1")->setValue(40);
        win->tmrclr_Timer();
        QCOMPARE(win->slotColour(3), rgb(40, 20, 30));
        QCOMPARE(win->slotColour(1), kWhite);
    }

    void aSlotOfTheBarsColourChangesOnlyTheSlotNumber_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("another slot of that colour") << 2;
        QTest::newRow("the current slot after a tick") << 1;
    }

    void aSlotOfTheBarsColourChangesOnlyTheSlotNumber()
    {
        QFETCH(int, slot);
        bar("red1")->setValue(9);
        win->tmrclr_Timer();
        win->setSlotColour(2, win->currentColour());
        QList<QSignalSpy *> spies;
        for (const char *name : {"red1", "green1", "blue1"}) {
            spies.append(new QSignalSpy(bar(name), &QScrollBar::valueChanged));
        }
        win->selectSlot(slot);
        for (QSignalSpy *spy : spies) {
            QCOMPARE(spy->count(), 0);
        }
        qDeleteAll(spies);
        QVERIFY(editing(slot));
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#09ffff");
    }

    void restoreDefaultsWhitensEverySlotAndSetsTheCountToTwo_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("count 6, slot 4 being edited") << 6;
        QTest::newRow("count already 2") << 2;
    }

    void restoreDefaultsWhitensEverySlotAndSetsTheCountToTwo()
    {
        QFETCH(int, count);
        win->setColourCount(count);
        for (int slot = 1; slot <= kMaxColors; ++slot) {
            win->setSlotColour(slot, rgb(10 * slot, 0, 0));
        }
        win->selectSlot(count == 2 ? 2 : 4);
        win->txtfade1()->setText(QStringLiteral("keep me"));
        QSignalSpy counts(win, &TintaraWin::countChanged);

        win->restoreDefaults();
        for (int slot = 1; slot <= kMaxColors; ++slot) {
            QCOMPARE(win->slotColour(slot), kWhite);
        }
        QCOMPARE(bar("colors1")->value(), 2);
        QCOMPARE(label(win, "lblcolors1"), "use: 2 colors");
        // The count handling runs only when the count changes.
        QCOMPARE(counts.count(), count == 2 ? 0 : 1);
        QVERIFY(editing(1));
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#ffffff");
        QCOMPARE(label(win, "lblred2"), "255");
        QCOMPARE(win->txtfade1()->text(), "keep me");
        win->tmrclr_Timer();
        QCOMPARE(win->slotColour(1), kWhite);
    }

    void fadeAndEnterEachRunTheFadeCommandOnce()
    {
        click("btnfade");
        QCOMPARE(fadeHost.runs, 1);
        QTest::keyClick(win->txtfade1(), Qt::Key_Return);
        QCOMPARE(fadeHost.runs, 2);
        QTest::keyClick(win->txtfade1(), Qt::Key_A);
        QCOMPARE(fadeHost.runs, 2);
    }

    void clearEmptiesTheText()
    {
        click("btncopy");
        QCOMPARE(win->txtfade1()->text(), "");
        click("btncopy");
        QCOMPARE(win->txtfade1()->text(), "");
    }

    void optionsAsksForTheMenuAtTheSamePointWhereverTheLabelIsClicked()
    {
        QWidget *options = control(win, "btnops");
        QSignalSpy asked(win, &TintaraWin::optionsRequested);
        for (const QPoint at :
             {QPoint(2, 2), QPoint(options->width() - 3, options->height() - 3)}) {
            QTest::mouseClick(options, Qt::LeftButton, {}, at);
            QCOMPARE(asked.takeFirst().at(0).toPoint(), win->mapToGlobal(QPoint(104, 127)));
        }
    }

    // From the text box, where the keyboard usually is; Enter still fades.
    void theKeyboardReachesFadeClearAndOptions()
    {
        QVERIFY(QTest::qWaitForWindowActive(win));
        win->txtfade1()->setFocus();
        QSignalSpy asked(win, &TintaraWin::optionsRequested);
        for (const Qt::Key key : {Qt::Key_F10, Qt::Key_Menu}) {
            QTest::keyClick(win->txtfade1(), key);
            QCOMPARE(asked.takeFirst().at(0).toPoint(), win->mapToGlobal(QPoint(104, 127)));
        }
        QCOMPARE(control(win, "btnops")->toolTip(), "options (Alt+O, F10, Menu)");
        QTest::keyClick(win->txtfade1(), Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(win->txtfade1(), Qt::Key_Return);
        QCOMPARE(fadeHost.runs, 2);
        QCOMPARE(control(win, "btnfade")->toolTip(), "fade (Alt+F)");
        QTest::keyClick(win->txtfade1(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(win->txtfade1()->text(), "");
        QCOMPARE(control(win, "btncopy")->toolTip(), "clear (Alt+C)");
    }

    void reportsBeingMinimisedAndRestored()
    {
        QSignalSpy minimised(win, &TintaraWin::minimisedChanged);
        win->showMinimized();
        win->showNormal();
        win->showMaximized();
        QCOMPARE(minimised.count(), 2);
        QCOMPARE(minimised.at(0).at(0).toBool(), true);
        QCOMPARE(minimised.at(1).at(0).toBool(), false);
    }

    void focusMovesInTheDesignOrder()
    {
        win->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win));
        control(win, "fade1")->setFocus();
        for (const char *next : {"red1", "green1", "blue1", "txtfade1", "colors1", "txthex1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void theTextBoxAdmitsAtMost3000Characters()
    {
        QLineEdit *text = win->txtfade1();
        text->setText(QString(3001, QLatin1Char('x')));
        QCOMPARE(text->text().size(), 3000);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_End);
        QTest::keyClick(text, Qt::Key_Y);
        QCOMPARE(text->text(), QString(3000, QLatin1Char('x')));
    }

    void draggingTheTitleMovesTheWindow()
    {
        QWidget *title = control(win, "title");
        const QPoint start = win->pos();
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(title, QPoint(35, 25));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(35, 25));
        QCOMPARE(win->pos(), start + QPoint(30, 20));
    }
};

QTEST_MAIN(TintaraWinTest)
#include "tintarawin_test.moc"
