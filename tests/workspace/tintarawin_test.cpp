#include "engine/fade_command.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"
#include "ui/look.h"
#include "workspace/colour_sample.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
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

} // namespace

class TintaraWinTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    TintaraWin *win = nullptr;
    MainMenu *menu = nullptr;

    QScrollBar *bar(const char *name) { return control<QScrollBar>(win, name); }
    QString codedText() { return QString::fromStdString(fakes->forms.htmlwin()->codedText()); }
    void click(const char *button, Qt::MouseButton mouse = Qt::LeftButton)
    {
        QTest::mouseClick(control(win, button), mouse);
    }
    // Writes slots 1..n and loads slot 1, as every palette rewrite does.
    void setPalette(const std::vector<ColorValue> &colours)
    {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            win->setSlotColour(static_cast<int>(i) + 1, colours[i]);
        }
        win->selectSlot(1);
    }
    std::string expectedFade(const std::string &text, int count, FadeStyles styles = {})
    {
        std::vector<ColorValue> colours;
        for (int slot = 1; slot <= count; ++slot) {
            colours.push_back(win->slotColour(slot));
        }
        return *fadeLine(text, colours, styles);
    }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        win = fakes->forms.tintarawin();
        menu = fakes->forms.mainmenu();
        win->move(100, 100);
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win));
    }

    void cleanup() { fakes.reset(); }

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
            QCOMPARE(menu->cnum(slot)->isEnabled(), slot <= 2);
        }
        QCOMPARE(menu->action("mnu_curnum")->text(), "current: num. 1");
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

        QScrollBar *count = bar("colors1");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Right);
        QTest::keyClick(count, Qt::Key_Right);
        QCOMPARE(count->value(), 5);
        QCOMPARE(label(win, "lblcolors1"), "use: 5 colors");
        for (int slot = 1; slot <= 10; ++slot) {
            QCOMPARE(menu->cnum(slot)->isEnabled(), slot <= 5);
        }
        QCOMPARE(win->currentSlot(), 1);
        QCOMPARE(label(win, "title"), "tintara deluxe: color 1");
        QCOMPARE(menu->action("mnu_curnum")->text(), "current: num. 1");
        QCOMPARE(bar("red1")->value(), 255);
        QCOMPARE(win->slotColour(2), rgb(10, 255, 255));

        QTest::keyClick(count, Qt::Key_End);
        QCOMPARE(label(win, "lblcolors1"), "use: 10 colors");
        for (int slot = 1; slot <= 10; ++slot) {
            QVERIFY(menu->cnum(slot)->isEnabled());
        }
    }

    void selectSlotLoadsItsColourAndNamesIt()
    {
        win->setColourCount(3);
        win->setSlotColour(3, rgb(10, 20, 30));
        win->selectSlot(3);
        QCOMPARE(bar("red1")->value(), 10);
        QCOMPARE(bar("green1")->value(), 20);
        QCOMPARE(bar("blue1")->value(), 30);
        QCOMPARE(label(win, "lblgreen2"), "20");
        QCOMPARE(win->currentColour(), rgb(10, 20, 30));
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#0a141e");
        QCOMPARE(win->currentSlot(), 3);
        QCOMPARE(label(win, "title"), "tintara deluxe: color 3");
        QCOMPARE(menu->action("mnu_curnum")->text(), "current: num. 3");

        // Slot 3's later edits reach slot 3, not slot 1.
        bar("red1")->setValue(40);
        win->tmrclr_Timer();
        QCOMPARE(win->slotColour(3), rgb(40, 20, 30));
        QCOMPARE(win->slotColour(1), kWhite);
    }

    void aSlotOfTheSameColourChangesOnlyTheSlotNumber()
    {
        QList<QSignalSpy *> spies;
        for (const char *name : {"red1", "green1", "blue1"}) {
            spies.append(new QSignalSpy(bar(name), &QScrollBar::valueChanged));
        }
        win->selectSlot(2);
        for (QSignalSpy *spy : spies) {
            QCOMPARE(spy->count(), 0);
        }
        qDeleteAll(spies);
        QCOMPARE(win->currentSlot(), 2);
        QCOMPARE(label(win, "title"), "tintara deluxe: color 2");
        QCOMPARE(control<QLineEdit>(win, "txthex1")->text(), "hex:#ffffff");
    }

    void fadeButtonAndEnterEachFadeOnce()
    {
        setPalette({rgb(255, 0, 0), rgb(0, 0, 255)});
        win->txtfade1()->setText(QStringLiteral("Hi"));
        click("btnfade");
        QCOMPARE(codedText(), "<Font Color=#800080>H</Font><Font Color=#0000FF>i</Font>");

        QSignalSpy writes(fakes->forms.htmlwin()->txthtml(), &QPlainTextEdit::textChanged);
        win->txtfade1()->setText(QStringLiteral(" a<b>&# "));
        QTest::keyClick(win->txtfade1(), Qt::Key_Return);
        QCOMPARE(codedText().toStdString(), expectedFade(" a<b>&# ", 2));
        QCOMPARE(writes.count(), 1);
        QCOMPARE(win->txtfade1()->text(), " a<b>&# ");
    }

    void aBlankTextIsEmptiedAndTheCodedTextKept()
    {
        win->txtfade1()->setText(QStringLiteral("   "));
        click("btnfade");
        QCOMPARE(win->txtfade1()->text(), "");
        QCOMPARE(codedText(), ".::html displayer::.");
    }

    void theTickedStylesWrapTheRun()
    {
        setPalette({rgb(255, 0, 0), rgb(0, 0, 255)});
        win->txtfade1()->setText(QStringLiteral("Hi"));
        menu->styleAction(Style::Bold)->trigger();
        menu->styleAction(Style::Underline)->trigger();
        click("btnfade");
        QCOMPARE(codedText(),
                 "<U><B><Font Color=#800080>H</Font><Font Color=#0000FF>i</Font></B></U>");

        menu->styleAction(Style::Italic)->trigger();
        menu->styleAction(Style::Strike)->trigger();
        win->txtfade1()->setText(QString::fromUtf8("größer ✓"));
        click("btnfade");
        QCOMPARE(codedText().toStdString(), expectedFade("größer ✓", 2, {true, true, true, true}));
    }

    void aCountRaisedWhileAFadeYieldsRunsTheLargerFadeToo()
    {
        setPalette({rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 0),
                    rgb(0, 255, 255), rgb(255, 0, 255)});
        win->setColourCount(4);
        win->txtfade1()->setText(QStringLiteral("abcdefghijkl"));
        QTimer::singleShot(0, win, [this] { win->setColourCount(6); });
        click("btnfade");
        QCOMPARE(win->colourCount(), 6);
        QCOMPARE(codedText().toStdString(), expectedFade("abcdefghijkl", 6));
    }

    void clearEmptiesTheText()
    {
        click("btncopy");
        QCOMPARE(win->txtfade1()->text(), "");
        click("btncopy");
        QCOMPARE(win->txtfade1()->text(), "");
    }

    void labelButtonsDarkenWhilePressedByAnyButton()
    {
        for (const char *name : {"btnfade", "btncopy", "btnops"}) {
            QWidget *button = control(win, name);
            QTest::mousePress(button, Qt::RightButton);
            QCOMPARE(textColour(button), kPressedText);
            QTest::mouseRelease(button, Qt::RightButton);
            QCOMPARE(textColour(button), kText);
        }
        QCOMPARE(codedText(), ".::html displayer::.");
        QVERIFY(!menu->mnu()->isVisible());
    }

    void optionsMenuOpensAtTheSamePointWhereverTheLabelIsClicked()
    {
        QWidget *options = control(win, "btnops");
        const QPoint expected = win->mapToGlobal(QPoint(104, 127));
        for (const QPoint at :
             {QPoint(2, 2), QPoint(options->width() - 3, options->height() - 3)}) {
            QTest::mouseClick(options, Qt::LeftButton, {}, at);
            QVERIFY(menu->mnu()->isVisible());
            QCOMPARE(menu->mnu()->pos(), expected);
            menu->mnu()->close();
        }
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

    void draggingTheTitleOrBodyMovesTheWindow()
    {
        QWidget *title = control(win, "title");
        const QPoint start = win->pos();
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(title, QPoint(35, 25));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(35, 25));
        QCOMPARE(win->pos(), start + QPoint(30, 20));

        // The body, between the colour sample and the count bar, with the right button.
        QTest::mousePress(win, Qt::RightButton, {}, QPoint(2, 65));
        QTest::mouseMove(win, QPoint(12, 55));
        QTest::mouseRelease(win, Qt::RightButton, {}, QPoint(12, 55));
        QCOMPARE(win->pos(), start + QPoint(40, 10));

        // Other labels and the colour sample are not handles for the window.
        for (const char *name : {"lblred1", "lblcolors1", "fade1"}) {
            QWidget *other = control(win, name);
            QTest::mousePress(other, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseMove(other, QPoint(23, 13));
            QTest::mouseRelease(other, Qt::LeftButton, {}, QPoint(23, 13));
            QCOMPARE(win->pos(), start + QPoint(40, 10));
        }
    }
};

QTEST_MAIN(TintaraWinTest)
#include "tintarawin_test.moc"
