// The menu form on its own; its entries' commands are tested in
// tests/app/menu_commands_test.
#include "menu/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace tintara;

class MainMenuTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainMenu> menu;

    QString curnum() const { return menu->action(QStringLiteral("mnu_curnum"))->text(); }
    void verifyEnabledUpTo(int count) const
    {
        for (int slot = 1; slot <= 10; ++slot) {
            QCOMPARE(menu->cnum(slot)->isEnabled(), slot <= count);
        }
    }

private slots:
    void init() { menu = std::make_unique<MainMenu>(); }
    void cleanup() { menu.reset(); }

    void isAHiddenFormOfTwoMenus()
    {
        QCOMPARE(menu->windowTitle(), "menu");
        QVERIFY(!menu->isVisible());
        QCOMPARE(menu->mnu()->title(), "menu");
        QCOMPARE(menu->mnu2()->title(), "menu2");
        QVERIFY(menu->action(QStringLiteral("mnu_nothing")) == nullptr);
    }

    void theSlotEntriesFollowTheCountAndTheSlotBeingEdited()
    {
        verifyEnabledUpTo(2);
        QCOMPARE(curnum(), "current: num. 1");
        for (const int count : {5, 10, 2}) {
            menu->enableSlotEntries(count);
            verifyEnabledUpTo(count);
        }
        menu->showCurrentSlot(10);
        QCOMPARE(curnum(), "current: num. 10");
    }

    // "1" is the access key of slots 1 and 10: it picks slot 1 outright while
    // slot 10 is off; otherwise it highlights slot 1, then slot 10.
    void anAccessKeySharedBySlotsOneAndTenReachesEachInTurn_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("chosen");
        QTest::newRow("4 colours") << 4 << 1 << 1;
        QTest::newRow("10 colours, once") << 10 << 1 << 1;
        QTest::newRow("10 colours, twice") << 10 << 2 << 10;
        QTest::newRow("10 colours, three times") << 10 << 3 << 1;
    }

    void anAccessKeySharedBySlotsOneAndTenReachesEachInTurn()
    {
        QFETCH(int, count);
        QFETCH(int, presses);
        QFETCH(int, chosen);
        menu->enableSlotEntries(count);
        QMenu *palette = menu->action(QStringLiteral("mnu_editcolors"))->menu();
        QSignalSpy picked(palette, &QMenu::triggered);
        menu->mnu()->popup(QPoint(10, 10));
        QTest::keyClick(menu->mnu(), Qt::Key_P);
        QTRY_VERIFY(palette->isVisible());
        for (int press = 0; press < presses; ++press) {
            QTest::keyClick(palette, Qt::Key_1);
        }
        if (count == 10) {
            QVERIFY(picked.isEmpty());
            QTest::keyClick(palette, Qt::Key_Return);
        }
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).value<QAction *>(), menu->cnum(chosen));
        QVERIFY(!menu->mnu()->isVisible());
    }

    void aStyleToggleFlipsOnlyItsOwnMark()
    {
        QAction *bold = menu->styleAction(Style::Bold);
        menu->mnu()->popup(QPoint(10, 10));
        bold->trigger();
        QVERIFY(bold->isChecked());
        for (const Style other : {Style::Italic, Style::Strike, Style::Underline}) {
            QVERIFY(!menu->styleAction(other)->isChecked());
        }
        bold->trigger();
        QVERIFY(!bold->isChecked());
        menu->mnu()->close();
    }
};

QTEST_MAIN(MainMenuTest)
#include "mainmenu_test.moc"
