// The commands of the two options menus, chosen as a user chooses them.
#include "about/aboutwin.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace tintara;

class MenuCommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    TintaraWin *main = nullptr;
    HtmlWin *coded = nullptr;

    Forms &forms() { return fakes->forms; }
    void choose(const char *entry)
    {
        forms().mainmenu()->action(QString::fromLatin1(entry))->trigger();
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

    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
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
