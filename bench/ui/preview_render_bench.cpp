// How long the preview takes to render and show a faded line in txtpreview,
// paint included, next to QTextEdit::setHtml of the same coded text into the
// same box: 3000 characters, 10 colours, all four styles. The preview should
// cost no more than setHtml, and aims for 0.7 times.
#include "engine/fade_command.h"
#include "preview/previewwin.h"
#include "preview/rich_text_render.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace tintara;

namespace
{

constexpr double kTarget = 1.0;

PreviewWin *window = nullptr;
std::string codedText;
QString codedHtml;

std::string fadedSample()
{
    const std::string sentence = "The quick brown fox jumps over the lazy dog. ";
    std::string text;
    while (text.size() < 3000) {
        text += sentence;
    }
    text.resize(3000);
    std::vector<ColorValue> colours;
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        colours.push_back(makeColor(static_cast<std::int16_t>(25 * slot),
                                    static_cast<std::int16_t>(255 - 20 * slot),
                                    static_cast<std::int16_t>(12 * slot)));
    }
    const FadeStyles all{.bold = true, .italic = true, .strike = true, .underline = true};
    return fadeLine(text, colours, all).value();
}

void paintPreview()
{
    window->txtpreview()->viewport()->repaint();
}

void BM_RenderCodedTextIntoPreview(benchmark::State &state)
{
    for (auto _ : state) {
        applyRuns(window->txtpreview(), renderCodedText(codedText));
        paintPreview();
    }
}

void BM_SetHtmlOfTheSameCodedText(benchmark::State &state)
{
    for (auto _ : state) {
        window->txtpreview()->setHtml(codedHtml);
        paintPreview();
    }
}

} // namespace

BENCHMARK(BM_RenderCodedTextIntoPreview)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SetHtmlOfTheSameCodedText)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    PreviewWin preview;
    window = &preview;
    codedText = fadedSample();
    codedHtml = QString::fromStdString(codedText);
    preview.show();
    if (!QTest::qWaitForWindowExposed(&preview)) {
        std::fprintf(stderr, "preview_render_bench: the preview window was never shown\n");
        return 1;
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_RenderCodedTextIntoPreview", "BM_SetHtmlOfTheSameCodedText",
                        "preview render / setHtml of the same coded text (aim 0.7x)", kTarget);
    benchmark::Shutdown();
    return 0;
}
