// The menu form on its own; its entries' commands are tested in
// tests/app/menu_commands_test.
#include "menu/mainmenu.h"

#include <QAction>
#include <QMenu>
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
