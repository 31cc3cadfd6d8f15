#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/forms_with_fakes.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

using namespace tintara;

class PreviewCommandTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;

    Forms &forms() { return fakes->forms; }

    void clickPreviewLabel()
    {
        QTest::mouseClick(control(forms().htmlwin(), "btnclose"), Qt::LeftButton);
    }

    static void finishDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        forms().tintarawin()->show();
        forms().htmlwin()->show();
    }

    void cleanup() { fakes.reset(); }

    void previewBeforeAnyFadeShowsThePlaceholderAsPlainText()
    {
        clickPreviewLabel();
        QVERIFY(forms().previewOpen());
        PreviewWin *preview = forms().previewwin();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->txtpreview()->toPlainText(), ".::html displayer::.");
        QCOMPARE(preview->txtpreview()->currentCharFormat().foreground().color(),
                 QColor(Qt::black));
    }

    void theMenuEntryAndTheLabelRenderTheCurrentCodedTextIntoOneWindow()
    {
        TintaraWin *main = forms().tintarawin();
        main->txtfade1()->setText(QStringLiteral("first"));
        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        forms().mainmenu()->action(QStringLiteral("mnu_preview"))->trigger();
        PreviewWin *preview = forms().previewwin();
        QCOMPARE(preview->txtpreview()->toPlainText(), "first");

        main->txtfade1()->setText(QStringLiteral("second"));
        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        clickPreviewLabel();
        QCOMPARE(forms().previewwin(), preview);
        QCOMPARE(preview->txtpreview()->toPlainText(), "second");
    }

    void closingThePreviewUnloadsIt()
    {
        clickPreviewLabel();
        QPointer<PreviewWin> preview = forms().previewwin();
        QTest::mouseClick(control(preview, "btnclose"), Qt::LeftButton);
        QVERIFY(!forms().previewOpen());
        finishDeletes();
        QVERIFY(preview.isNull());
    }

    void aPreviewRightAfterAnUnloadLoadsANewWindow()
    {
        clickPreviewLabel();
        forms().unloadPreviewIfOpen(); // its deletion is still pending
        clickPreviewLabel();
        finishDeletes();
        QVERIFY(forms().previewOpen());
        QVERIFY(forms().previewwin()->isVisible());
        QCOMPARE(forms().previewwin()->txtpreview()->toPlainText(), ".::html displayer::.");
    }
};

QTEST_MAIN(PreviewCommandTest)
#include "preview_command_test.moc"
