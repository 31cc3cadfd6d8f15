// How the program's windows are joined: each window asks through its
// signals, and what answers is the wiring in app/forms.cpp.
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/controls.h"
#include "support/fake_seams.h"

#include <QMenu>
#include <QTest>

using namespace tintara;

class FormsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;

    Forms &forms() { return fakes->forms; }

private slots:
    void init() { fakes = std::make_unique<FormsWithFakes>(); }
    void cleanup() { fakes.reset(); }

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
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
