#include "cli/rendered_output.h"

#include "engine/utf8.h"

#include <nlohmann/json.hpp>

namespace tintara::cli
{

namespace
{

std::string upperHtmlColour(ColorValue colour)
{
    const RgbTriple parts = splitColor(colour);
    std::string text = "#";
    for (const std::int32_t part : {parts.red, parts.green, parts.blue}) {
        text.append(kUpperHexPairs[static_cast<std::size_t>(part)].data(), 2);
    }
    return text;
}

void appendSgr(std::string &out, const TextFormat &format)
{
    out += "\x1b[0";
    if (format.styles.bold) {
        out += ";1";
    }
    if (format.styles.italic) {
        out += ";3";
    }
    if (format.styles.underline) {
        out += ";4";
    }
    if (format.styles.strike) {
        out += ";9";
    }
    const RgbTriple parts = splitColor(format.color);
    out += ";38;2;" + std::to_string(parts.red) + ';' + std::to_string(parts.green) + ';' +
           std::to_string(parts.blue) + 'm';
}

// C0 controls show as their control pictures (ESC as U+241B), DEL as U+2421,
// and C1 controls, which some terminals obey, as U+FFFD.
void appendVisible(std::string &out, const std::string &text)
{
    for (const char32_t c : decodeUtf8Lossy(text)) {
        if (c == U'\t' || c == U'\n') {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            appendUtf8(out, 0x2400 + c);
        } else if (c == 0x7F) {
            appendUtf8(out, 0x2421);
        } else if (c >= 0x80 && c < 0xA0) {
            appendUtf8(out, kReplacementCharacter);
        } else {
            appendUtf8(out, c);
        }
    }
}

} // namespace

void appendRunsJson(std::string &out, const RenderedText &rendered)
{
    for (const FormattedRun &run : rendered.runs) {
        const nlohmann::ordered_json line = {
            {"text", run.text},
            {"font", run.format.font},
            {"size", run.format.sizePoints},
            {"bold", run.format.styles.bold},
            {"italic", run.format.styles.italic},
            {"underline", run.format.styles.underline},
            {"strike", run.format.styles.strike},
            {"color", upperHtmlColour(run.format.color)},
        };
        out += line.dump();
        out += '\n';
    }
}

void appendAnsi(std::string &out, const RenderedText &rendered)
{
    for (const FormattedRun &run : rendered.runs) {
        appendSgr(out, run.format);
        appendVisible(out, run.text);
    }
    if (!rendered.runs.empty()) {
        out += "\x1b[0m";
    }
}

} // namespace tintara::cli
