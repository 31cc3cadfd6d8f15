// Feeds arbitrary bytes to the coded-text renderer, whole and in pieces of a size the input
// picks, and writes what it shows as tintara-fade does: rendering must never crash, the pieces
// must give what the whole gives, the JSON lines must read back as the runs, and the terminal
// output must hold no control characters but its own colour codes.
#include "cli/rendered_output.h"
#include "engine/coded_text_renderer.h"
#include "engine/utf8.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace
{

using tintara::FormattedRun;
using tintara::TextFormat;

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// Renders the coded text in pieces of `step` bytes, handing what it shows to `onText`.
template <typename OnText>
TextFormat renderInPieces(std::string_view coded, std::size_t step, OnText onText)
{
    tintara::CodedTextRenderer renderer(onText);
    for (std::size_t at = 0; at < coded.size(); at += step) {
        renderer.feed(coded.substr(at, step));
    }
    renderer.finish();
    return renderer.format();
}

// Well-formed UTF-8 whose only control characters are tab, line feed and the escape of an SGR
// code ("\x1b[", digits and semicolons, "m").
bool safeOnATerminal(std::string_view shown)
{
    if (!tintara::utf8Length(shown)) {
        return false;
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        if (byte == 0x1B) {
            const std::size_t end = shown.find_first_not_of("0123456789;", i + 2);
            if (shown.substr(i + 1, 1) != "[" || end == std::string_view::npos ||
                shown[end] != 'm') {
                return false;
            }
            i = end;
        } else if ((byte < 0x20 && byte != '\t' && byte != '\n') || byte == 0x7F ||
                   (byte == 0xC2 && static_cast<unsigned char>(shown[i + 1]) < 0xA0)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::size_t step = 1 + data[0] % 32;
    const std::string_view coded(reinterpret_cast<const char *>(data) + 1, size - 1);

    const tintara::RenderedText whole = tintara::renderCodedText(coded);
    std::size_t shownCharacters = 0;
    for (std::size_t r = 0; r < whole.runs.size(); ++r) {
        const FormattedRun &run = whole.runs[r];
        require(!run.text.empty() && !run.format.font.empty());
        require(tintara::utf8Length(run.text) && tintara::utf8Length(run.format.font));
        require(run.format.color >= 0 && run.format.color <= tintara::kWhite);
        require(r == 0 || run.format != whole.runs[r - 1].format);
        shownCharacters += *tintara::utf8Length(run.text);
    }
    require(shownCharacters <= coded.size());

    std::vector<FormattedRun> pieces;
    const TextFormat last =
        renderInPieces(coded, step, [&pieces](std::string_view text, const TextFormat &format) {
            require(!text.empty());
            if (pieces.empty() || pieces.back().format != format) {
                pieces.push_back({{}, format});
            }
            pieces.back().text += text;
        });
    require(pieces == whole.runs);
    require(last == whole.insertionFormat);

    std::string json;
    tintara::cli::RunsJsonWriter runs(json);
    renderInPieces(coded, step, [&runs](std::string_view text, const TextFormat &format) {
        runs.add(text, format);
    });
    runs.finish();
    std::size_t line = 0;
    for (std::size_t start = 0; start < json.size(); ++line) {
        const std::size_t end = json.find('\n', start);
        require(end != std::string::npos && line < whole.runs.size());
        const auto read = nlohmann::json::parse(json.substr(start, end - start));
        require(read.at("text").get<std::string>() == whole.runs[line].text);
        require(read.at("font").get<std::string>() == whole.runs[line].format.font);
        start = end + 1;
    }
    require(line == whole.runs.size());

    std::string terminal;
    tintara::cli::AnsiWriter ansi(terminal);
    renderInPieces(coded, step, [&ansi](std::string_view text, const TextFormat &format) {
        ansi.add(text, format);
    });
    ansi.finish();
    require(safeOnATerminal(terminal));
    return 0;
}
