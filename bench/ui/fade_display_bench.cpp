// How long a fade takes from the click on "fade" until the coded text is shown
// in the coded-text box, next to a single setPlainText of the same text into
// that box: 3000 characters, 10 colours, all four styles. The fade should
// cost at most 1.5 times the bare display.
#include "app/forms.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "ratio_reporter.h"
#include "workspace/tintarawin.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace tintara;

namespace
{

constexpr double kTarget = 1.5;

Forms *forms = nullptr;

QString sampleText()
{
    const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    QString text;
    while (text.size() < 3000) {
        text += sentence;
    }
    return text.left(3000);
}

bool prepare()
{
    TintaraWin *main = forms->tintarawin();
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        main->setSlotColour(slot, makeColor(static_cast<std::int16_t>(25 * slot),
                                            static_cast<std::int16_t>(255 - 20 * slot),
                                            static_cast<std::int16_t>(12 * slot)));
    }
    main->setColourCount(kMaxColors);
    main->selectSlot(1);
    main->txtfade1()->setText(sampleText());
    for (const Style style : {Style::Bold, Style::Italic, Style::Strike, Style::Underline}) {
        forms->mainmenu()->styleAction(style)->setChecked(true);
    }
    main->show();
    forms->htmlwin()->show();
    return QTest::qWaitForWindowExposed(forms->htmlwin());
}

void showCodedText()
{
    forms->htmlwin()->txthtml()->viewport()->repaint();
}

void BM_FadeFromClickUntilShown(benchmark::State &state)
{
    QWidget *fade = forms->tintarawin()->findChild<QWidget *>(QStringLiteral("btnfade"));
    for (auto _ : state) {
        QTest::mouseClick(fade, Qt::LeftButton);
        showCodedText();
    }
}

void BM_SetPlainTextOfTheSameResult(benchmark::State &state)
{
    QTest::mouseClick(forms->tintarawin()->findChild<QWidget *>(QStringLiteral("btnfade")),
                      Qt::LeftButton);
    const QString result = QString::fromStdString(forms->htmlwin()->codedText());
    QPlainTextEdit *box = forms->htmlwin()->txthtml();
    for (auto _ : state) {
        box->setPlainText(result);
        showCodedText();
    }
}

} // namespace

BENCHMARK(BM_FadeFromClickUntilShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SetPlainTextOfTheSameResult)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Forms windows;
    forms = &windows;
    if (!prepare()) {
        std::fprintf(stderr, "fade_display_bench: the coded-text window was never shown\n");
        return 1;
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_FadeFromClickUntilShown", "BM_SetPlainTextOfTheSameResult",
                        "fade from click until shown / setPlainText of the result", kTarget);
    benchmark::Shutdown();
    return 0;
}
