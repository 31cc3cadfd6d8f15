// The entries of the two options menus and their commands, chosen as a user
// chooses them. The commands with more to them have tests of their own:
// palette_commands_test, fade_set_commands_test and save_coding_test.
#include "about/aboutwin.h"
#include "app/display_size.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/fake_window_system.h"
#include "support/forms_with_fakes.h"
#include "support/simulated_chat_client.h"
#include "support/stepping_clock.h"
#include "ui/look.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace tintara;

namespace
{

struct MenuEntry {
    QString name;
    QString in;      // mnu, mnu2, or the entry of its sub-menu
    QString caption; // empty for a separator
};

// Every entry of the two menus, each menu's in order.
QList<MenuEntry> menuEntries()
{
    QList<MenuEntry> entries = {
        {"mnu_about", "mnu", "&about tintara..."},
        {"mnu_brk10", "mnu", ""},
        {"mnu_editcolors", "mnu", "edit &palette"},
    };
    for (int slot = 1; slot <= 10; ++slot) {
        entries.append({QStringLiteral("mnu_cnum%1").arg(slot), "mnu_editcolors",
                        QStringLiteral("color num. &%1").arg(slot)});
    }
    entries += QList<MenuEntry>{
        {"mnu_brk4", "mnu_editcolors", ""},
        {"mnu_curnum", "mnu_editcolors", "current: num. 1"},
        {"mnu_fweights", "mnu", "use font weights..."},
        {"mnu_bold", "mnu_fweights", "bold"},
        {"mnu_italic", "mnu_fweights", "italic"},
        {"mnu_strike", "mnu_fweights", "strike"},
        {"mnu_underline", "mnu_fweights", "underline"},
        {"mnu_brk9", "mnu", ""},
        {"mnu_pre", "mnu", "pre-made &fades"},
        {"mnu_openpre", "mnu_pre", "&open fade set..."},
        {"mnu_saveset", "mnu_pre", "&save fade set..."},
        {"mnu_rand", "mnu", "randomi&ze colors..."},
        {"mnu_defaults", "mnu", "&restore defaults"},
        {"mnu_brk2", "mnu", ""},
        {"mnu_preview", "mnu", "preview &context..."},
        {"mnu_brk5", "mnu", ""},
        {"mnu_blend", "mnu", "&blend"},
        {"mnu_blendrgb", "mnu_blend", "rgb"},
        {"mnu_blendoklab", "mnu_blend", "oklab"},
        {"mnu_blendoklch", "mnu_blend", "oklch"},
        {"mnu_size", "mnu", "&size"},
        {"mnu_size100", "mnu_size", "100%"},
        {"mnu_size150", "mnu_size", "150%"},
        {"mnu_size200", "mnu_size", "200%"},
        {"mnu_sizenote", "mnu_size", "(from the next start)"},
        {"mnu_brk12", "mnu", ""},
        {"mnu_mini", "mnu", "&minimize"},
        {"mnu_exit", "mnu", "e&xit"},
        {"mnu_savehtml", "mnu2", "&save coding..."},
        {"mnubrk11", "mnu2", ""},
        {"mnu_sendcoding", "mnu2", "send coding to..."},
        {"mnu_aolchat", "mnu_sendcoding", "america online (4/5) chat..."},
        {"mnubrk13", "mnu2", ""},
        {"mnu_readable", "mnu2", "check &readability..."},
    };
    return entries;
}

} // namespace

class MenuCommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    FakeWindowSystem *chatWindows = nullptr;
    TintaraWin *main = nullptr;
    HtmlWin *coded = nullptr;

    // The message boxes shown, each answered as soon as it is up.
    QStringList messages;
    QList<qreal> messagePointSizes;
    QTimer answerMessages;

    Forms &forms() { return fakes->forms; }
    MainMenu *menu() { return forms().mainmenu(); }
    void choose(const char *entry) { menu()->action(QString::fromLatin1(entry))->trigger(); }

    bool dialogTitled(const char *title) const
    {
        return !fakes->dialog->requests.isEmpty() &&
               fakes->dialog->requests.last().title == QLatin1String(title);
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

    // "&about tintara...", and the one about window it leaves open.
    QPointer<AboutWin> chooseAbout()
    {
        choose("mnu_about");
        const QList<AboutWin *> shown = openAboutWindows();
        return shown.size() == 1 ? shown.first() : nullptr;
    }

    // What choosing each entry does, as the user sees it. Separators, the
    // entries that open sub-menus and mnu_curnum have no command.
    std::function<bool()> commandOf(const QString &name)
    {
        if (name.startsWith(QLatin1String("mnu_cnum"))) {
            const int slot = name.mid(8).toInt();
            return [this, slot] { return main->currentSlot() == slot; };
        }
        for (const StyleEntry &style : kStyles) {
            const QString styleName =
                QString::fromLatin1(style.name.data(), static_cast<qsizetype>(style.name.size()));
            if (name == QStringLiteral("mnu_") + styleName) {
                return [this, style] { return menu()->styleAction(style.style)->isChecked(); };
            }
        }
        for (const auto &[entryName, blend] : {std::pair{"mnu_blendrgb", Blend::Rgb},
                                               {"mnu_blendoklab", Blend::OkLab},
                                               {"mnu_blendoklch", Blend::OkLch}}) {
            if (name == QLatin1String(entryName)) {
                return [this, blend] { return menu()->blend() == blend; };
            }
        }
        for (const int percent : kSizePercents) {
            if (name == QStringLiteral("mnu_size%1").arg(percent)) {
                return [percent] { return chosenSizePercent() == percent; };
            }
        }
        const QHash<QString, std::function<bool()>> commands = {
            {"mnu_about", [this] { return openAboutWindows().size() == 1; }},
            {"mnu_openpre", [this] { return dialogTitled("Open a tintara fade..."); }},
            {"mnu_saveset", [this] { return dialogTitled("Save tintara fade..."); }},
            {"mnu_rand", [this] { return main->slotColour(10) != kWhite; }},
            {"mnu_defaults", [this] { return main->colourCount() == kMinColors; }},
            {"mnu_preview", [this] { return forms().previewOpen(); }},
            {"mnu_mini", [this] { return main->isMinimized(); }},
            {"mnu_exit",
             [this] { return fakes->quits == 1 && !main->isVisible() && !coded->isVisible(); }},
            {"mnu_savehtml", [this] { return dialogTitled("Save as a html document..."); }},
            {"mnu_aolchat", [this] { return !chatWindows->traceOf("find top").empty(); }},
            {"mnu_readable", [this] { return messages.size() == 1; }},
        };
        return commands.value(name);
    }

    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    // The size choice is kept in a settings file of the tests' own.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        connect(&answerMessages, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages.append(box->text());
                messagePointSizes.append(box->font().pointSizeF());
                box->accept();
            }
        });
        answerMessages.start(10);
    }

    void init()
    {
        messages.clear();
        messagePointSizes.clear();
        fakes = std::make_unique<FormsWithFakes>();
        auto windows = std::make_unique<FakeWindowSystem>();
        chatWindows = windows.get();
        forms().setChatWindows(std::move(windows));
        main = forms().tintarawin();
        coded = forms().htmlwin();
        main->move(140, 90);
        coded->move(150, 260);
        main->show();
        coded->show();
    }

    void cleanup()
    {
        finishDeletes();
        fakes.reset();
    }

    void everyEntryIsInItsPlaceWithItsCaptionAndRunsItsCommand_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("after"); // the entry just above it; "" for the first
        QTest::addColumn<bool>("last");
        QTest::addColumn<bool>("subMenu");
        const QList<MenuEntry> entries = menuEntries();
        QHash<QString, QString> lastIn;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const MenuEntry &entry = entries[i];
            const auto sameMenu = [&entry](const MenuEntry &other) { return other.in == entry.in; };
            const auto opens = [&entry](const MenuEntry &other) { return other.in == entry.name; };
            QTest::newRow(qPrintable(entry.name))
                << entry.in << entry.caption << lastIn.value(entry.in)
                << std::none_of(entries.cbegin() + i + 1, entries.cend(), sameMenu)
                << std::any_of(entries.cbegin(), entries.cend(), opens);
            lastIn[entry.in] = entry.name;
        }
    }

    void everyEntryIsInItsPlaceWithItsCaptionAndRunsItsCommand()
    {
        QFETCH(QString, in);
        QFETCH(QString, caption);
        QFETCH(QString, after);
        QFETCH(bool, last);
        QFETCH(bool, subMenu);
        const QString name = QString::fromLatin1(QTest::currentDataTag());

        QAction *entry = menu()->action(name);
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->isSeparator(), caption.isEmpty());
        QCOMPARE(entry->text(), caption);
        QCOMPARE(entry->menu() != nullptr, subMenu);
        const QMenu *parent = in == "mnu"    ? menu()->mnu()
                              : in == "mnu2" ? menu()->mnu2()
                                             : menu()->action(in)->menu();
        const QList<QAction *> siblings = parent->actions();
        const qsizetype at = siblings.indexOf(entry);
        QCOMPARE(at, after.isEmpty() ? 0 : siblings.indexOf(menu()->action(after)) + 1);
        QCOMPARE(at == siblings.size() - 1, last);

        if (const std::function<bool()> command = commandOf(name)) {
            main->setColourCount(kMaxColors);                    // every slot entry enabled
            coded->setCodedText("<Font Color=#FF0000>x</Font>"); // something to send or save
            entry->trigger();
            QVERIFY(command());
        }
    }

    // The fade the text box would give now, on white and on black, in a
    // message box in the desktop's own look.
    void checkReadabilityNamesTheLowestContrastAndTheCharactersUnderIt()
    {
        main->setSlotColour(1, makeColor(255, 0, 0));
        main->setSlotColour(2, makeColor(255, 255, 0));
        choose("mnu_blendoklch");
        main->txtfade1()->setText(QStringLiteral("Sunrise"));
        choose("mnu_readable");
        main->txtfade1()->clear();
        choose("mnu_readable");
        QCOMPARE(messages,
                 QStringList({"Against white the lowest contrast is 1.07:1; 7 characters fall "
                              "under 4.5:1: 1 'S', 2 'u', 3 'n', 4 'r', 5 'i', 6 's', 7 'e'.\n\n"
                              "Against black the lowest contrast is 6.03:1; every character "
                              "reaches 4.5:1.",
                              "There is no text to check."}));
        QVERIFY(messagePointSizes.first() != uiFont().pointSizeF());
    }

    void theSizeChoiceLastsIntoTheNextRunAndSetsQtsScale()
    {
        choose("mnu_size150");
        FormsWithFakes nextRun;
        QVERIFY(nextRun.forms.mainmenu()->sizeAction(150)->isChecked());
        qunsetenv("QT_SCALE_FACTOR");
        applyChosenSize();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), "1.5");
        // A scale the user set in the environment wins.
        qputenv("QT_SCALE_FACTOR", "2");
        applyChosenSize();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), "2");
        qunsetenv("QT_SCALE_FACTOR");
        choose("mnu_size100");
    }

    void theChatCommandSendsTheFadedLineAndPutsTheUsersTextBack()
    {
        SimulatedChatClient client(*chatWindows);
        client.addDocument(RoomChildren{.statics = 1}); // an instant message, not the room
        const SimulatedChatClient::Room room = client.addChatRoom("half a li");
        SteppingClock clock(1000.0, 0.1);
        forms().setClock(clock);
        main->txtfade1()->setText(QStringLiteral("hi"));
        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        const std::string sent = coded->codedText();

        choose("mnu_aolchat");
        QCOMPARE(client.sentLines().size(), 1u);
        QCOMPARE(QString::fromStdString(client.sentLines().front()),
                 QString::fromStdString(sent).remove(QStringLiteral("</Font>")));
        QCOMPARE(chatWindows->text(room.input), "half a li");
        QCOMPARE(coded->codedText(), sent);
    }

    void exitDuringAFadeEndsTheProgramBeforeTheFadeFinishes()
    {
        main->txtfade1()->setText(QStringLiteral("a b c"));
        // Chosen while the fade yields at its first space.
        QTimer::singleShot(0, menu(), [this] { choose("mnu_exit"); });
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main->btnfade_Click());
        QCOMPARE(fakes->quits, 1);
        QCOMPARE(coded->codedText(), ".::html displayer::.");
    }

    void aboutShowsOneWindowAndAgainOnlyBringsItForward()
    {
        const QPointer<AboutWin> first = chooseAbout();
        QVERIFY(first);
        QVERIFY(main->isMinimized());
        QTest::mouseClick(control(first, "Label1"), Qt::LeftButton);
        const QString caption = control<QLabel>(first, "Label1")->text();

        QCOMPARE(chooseAbout().data(), first.data());
        QCOMPARE(control<QLabel>(first, "Label1")->text(), caption);

        // Once closed, the next one starts afresh from where the windows are now.
        first->close();
        QVERIFY(!main->isMinimized());
        main->move(60, 40);
        const QPointer<AboutWin> second = chooseAbout();
        QVERIFY(second && second != first);
        QCOMPARE(control<QLabel>(second, "Label1")->text(), "Tintara Deluxe");
        second->close();
        QCOMPARE(main->pos(), QPoint(60, 40));
    }

    void aboutClosesAnOpenPreviewForGood()
    {
        forms().runPreview();
        const QPointer<PreviewWin> preview = forms().previewwin();
        const QPointer<AboutWin> about = chooseAbout();
        QVERIFY(!forms().previewOpen());
        QVERIFY(!preview->isVisible());

        about->close();
        finishDeletes();
        QVERIFY(!forms().previewOpen());
        QVERIFY(preview.isNull());
    }

    void exitWhileTheAboutWindowIsOpenEndsWithoutPuttingTheWindowsBack()
    {
        const QPointer<AboutWin> about = chooseAbout();
        choose("mnu_exit");
        QCOMPARE(fakes->quits, 1);
        QVERIFY(!about->isVisible());
        QVERIFY(!main->isEnabled());
        QVERIFY(coded->isHidden());
    }
};

QTEST_MAIN(MenuCommandsTest)
#include "menu_commands_test.moc"
