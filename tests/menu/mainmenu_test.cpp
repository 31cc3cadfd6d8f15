#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/fake_seams.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace tintara;

namespace
{

// One line per entry: name, caption and state; a sub-menu's entries follow,
// indented.
void describe(const QMenu *menu, const QString &indent, QStringList &lines)
{
    for (const QAction *entry : menu->actions()) {
        QString line = indent + entry->objectName();
        if (entry->isSeparator()) {
            line += QStringLiteral(" ----");
        } else {
            line += QStringLiteral(" \"%1\"").arg(entry->text());
        }
        if (!entry->isEnabled()) {
            line += QStringLiteral(" disabled");
        }
        if (entry->isCheckable()) {
            line += entry->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        }
        lines.append(line);
        if (entry->menu() != nullptr) {
            describe(entry->menu(), indent + QStringLiteral("  "), lines);
        }
    }
}

QStringList describe(const QMenu *menu)
{
    QStringList lines;
    describe(menu, QString(), lines);
    return lines;
}

} // namespace

class MainMenuTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    MainMenu *menu = nullptr;

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        menu = fakes->forms.mainmenu();
    }

    void cleanup() { fakes.reset(); }

    void theOptionsMenuHoldsEveryEntryInOrder()
    {
        QCOMPARE(menu->windowTitle(), "menu");
        QVERIFY(!menu->isVisible());
        QCOMPARE(menu->mnu()->title(), "menu");
        const QStringList expected = {
            "mnu_about \"&about tintara...\"",
            "mnu_brk10 ----",
            "mnu_editcolors \"edit &palette\"",
            "  mnu_cnum1 \"color num. &1\"",
            "  mnu_cnum2 \"color num. &2\"",
            "  mnu_cnum3 \"color num. &3\" disabled",
            "  mnu_cnum4 \"color num. &4\" disabled",
            "  mnu_cnum5 \"color num. &5\" disabled",
            "  mnu_cnum6 \"color num. &6\" disabled",
            "  mnu_cnum7 \"color num. &7\" disabled",
            "  mnu_cnum8 \"color num. &8\" disabled",
            "  mnu_cnum9 \"color num. &9\" disabled",
            "  mnu_cnum10 \"color num. &10\" disabled",
            "  mnu_brk4 ----",
            "  mnu_curnum \"current: num. 1\"",
            "mnu_fweights \"use font weights...\"",
            "  mnu_bold \"bold\" [ ]",
            "  mnu_italic \"italic\" [ ]",
            "  mnu_strike \"strike\" [ ]",
            "  mnu_underline \"underline\" [ ]",
            "mnu_brk9 ----",
            "mnu_pre \"pre-made &fades\"",
            "  mnu_openpre \"&open fade set...\"",
            "  mnu_saveset \"&save fade set...\"",
            "mnu_rand \"randomi&ze colors...\"",
            "mnu_defaults \"&restore defaults\"",
            "mnu_brk2 ----",
            "mnu_preview \"preview &context...\"",
            "mnu_brk5 ----",
            "mnu_mini \"&minimize\"",
            "mnu_exit \"e&xit\"",
        };
        QCOMPARE(describe(menu->mnu()), expected);
    }

    void theCodedTextMenuHoldsSaveAndSend()
    {
        QCOMPARE(menu->mnu2()->title(), "menu2");
        const QStringList expected = {
            "mnu_savehtml \"&save coding...\"",
            "mnubrk11 ----",
            "mnu_sendcoding \"send coding to...\"",
            "  mnu_aolchat \"america online (4/5) chat...\"",
        };
        QCOMPARE(describe(menu->mnu2()), expected);
    }

    void entriesAreFoundByName()
    {
        QCOMPARE(menu->cnum(10)->objectName(), "mnu_cnum10");
        QCOMPARE(menu->styleAction(Style::Strike)->objectName(), "mnu_strike");
        QCOMPARE(menu->action("mnubrk11")->isSeparator(), true);
        QVERIFY(menu->action("mnu_nothing") == nullptr);
    }

    void aStyleToggleFlipsOnlyItsOwnMark()
    {
        QAction *bold = menu->styleAction(Style::Bold);
        menu->mnu()->popup(QPoint(10, 10));
        bold->trigger();
        QVERIFY(bold->isChecked());
        QVERIFY(!menu->styleAction(Style::Italic)->isChecked());
        bold->trigger();
        QVERIFY(!bold->isChecked());
        menu->mnu()->close();
        QCOMPARE(QString::fromStdString(fakes->forms.htmlwin()->codedText()),
                 ".::html displayer::.");
    }

    void minimizeMinimisesTheMainWindowAndTheCodedTextOneFollows()
    {
        TintaraWin *main = fakes->forms.tintarawin();
        HtmlWin *coded = fakes->forms.htmlwin();
        main->show();
        coded->show();
        menu->action("mnu_mini")->trigger();
        QVERIFY(main->isMinimized());
        QVERIFY(coded->isMinimized());
        QVERIFY(!coded->isEnabled());
    }

    void exitHidesEveryWindowAtOnceAndQuits()
    {
        TintaraWin *main = fakes->forms.tintarawin();
        HtmlWin *coded = fakes->forms.htmlwin();
        main->show();
        coded->show();
        menu->mnu()->popup(QPoint(10, 10));
        menu->action("mnu_exit")->trigger();
        QVERIFY(!main->isVisible());
        QVERIFY(!coded->isVisible());
        QVERIFY(!menu->mnu()->isVisible());
        QCOMPARE(fakes->quits, 1);
    }

    void exitDuringAFadeEndsTheProgramBeforeTheFadeFinishes()
    {
        TintaraWin *main = fakes->forms.tintarawin();
        main->txtfade1()->setText(QStringLiteral("a b c"));
        // Chosen while the fade yields at its first space.
        QTimer::singleShot(0, menu, [this] { menu->action("mnu_exit")->trigger(); });
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main->btnfade_Click());
        QCOMPARE(fakes->quits, 1);
        QCOMPARE(QString::fromStdString(fakes->forms.htmlwin()->codedText()),
                 ".::html displayer::.");
    }
};

QTEST_MAIN(MainMenuTest)
#include "mainmenu_test.moc"
