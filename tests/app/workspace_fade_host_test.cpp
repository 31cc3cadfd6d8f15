// The fade command as the program runs it: it reads the main window and the
// style marks of the options menu, each when it needs it, and writes the
// coded-text window.
#include "engine/fade_command.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/controls.h"
#include "support/forms_with_fakes.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tintara;

namespace
{

constexpr ColorValue kRed = 255;
constexpr ColorValue kGreen = 255 << 8;
constexpr ColorValue kBlue = 255 << 16;

} // namespace

class WorkspaceFadeHostTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    TintaraWin *main = nullptr;
    HtmlWin *coded = nullptr;

    void fade() { QTest::mouseClick(control(main, "btnfade"), Qt::LeftButton); }
    std::string codedText() const { return coded->codedText(); }
    void tick(Style style) const { fakes->forms.mainmenu()->styleAction(style)->trigger(); }

    // Writes slots 1..n and loads slot 1, as every palette rewrite does.
    void setPalette(const std::vector<ColorValue> &colours)
    {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            main->setSlotColour(static_cast<int>(i) + 1, colours[i]);
        }
        main->selectSlot(1);
    }
    std::string expectedFade(const std::string &text, int count, FadeStyles styles = {})
    {
        std::vector<ColorValue> colours;
        for (int slot = 1; slot <= count; ++slot) {
            colours.push_back(main->slotColour(slot));
        }
        return *fadeLine(text, colours, styles);
    }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        main = fakes->forms.tintarawin();
        coded = fakes->forms.htmlwin();
        main->show();
        coded->show();
    }

    void cleanup() { fakes.reset(); }

    void aFadeReadsTheWindowsAndTheTicksAndWritesTheCodedTextOnce()
    {
        setPalette({kRed, kBlue});
        main->txtfade1()->setText(QStringLiteral("Hi"));
        tick(Style::Bold);
        tick(Style::Underline);
        QSignalSpy writes(coded->txthtml(), &QPlainTextEdit::textChanged);
        fade();
        QCOMPARE(codedText(),
                 "<U><B><Font Color=#800080>H</Font><Font Color=#0000FF>i</Font></B></U>");
        QCOMPARE(writes.count(), 1);
        QCOMPARE(coded->txthtml()->toPlainText().toStdString(), codedText());
        QCOMPARE(main->txtfade1()->text(), "Hi");

        tick(Style::Italic);
        tick(Style::Strike);
        main->txtfade1()->setText(QString::fromUtf8("größer ✓"));
        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        QCOMPARE(codedText(), expectedFade("größer ✓", 2, {true, true, true, true}));
    }

    // Only the colours between the ends change with the blend.
    void aFadeMixesInTheBlendOfTheOptionsMenu()
    {
        setPalette({kRed, kBlue});
        main->txtfade1()->setText(QStringLiteral("Hi"));
        fakes->forms.mainmenu()->action(QStringLiteral("mnu_blendoklab"))->trigger();
        fade();
        QCOMPARE_NE(codedText().substr(0, 20), "<Font Color=#800080>");
        QVERIFY(codedText().ends_with("<Font Color=#0000FF>i</Font>"));
    }

    void aBlankTextIsEmptiedAndTheCodedTextKept()
    {
        main->txtfade1()->setText(QStringLiteral("   "));
        fade();
        QCOMPARE(main->txtfade1()->text(), "");
        QCOMPARE(codedText(), ".::html displayer::.");
    }

    void aCountRaisedWhileAFadeYieldsRunsTheLargerFadeToo()
    {
        setPalette({kRed, kGreen, kBlue, kRed | kGreen, kGreen | kBlue, kRed | kBlue});
        main->setColourCount(4);
        main->txtfade1()->setText(QStringLiteral("abcdefghijkl"));
        QTimer::singleShot(0, main, [this] { main->setColourCount(6); });
        fade();
        QCOMPARE(main->colourCount(), 6);
        QCOMPARE(codedText(), expectedFade("abcdefghijkl", 6));
    }
};

QTEST_MAIN(WorkspaceFadeHostTest)
#include "workspace_fade_host_test.moc"
