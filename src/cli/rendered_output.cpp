#include "cli/rendered_output.h"

#include "engine/output_format.h"

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
    if (format.bold) {
        out += ";1";
    }
    if (format.italic) {
        out += ";3";
    }
    if (format.underline) {
        out += ";4";
    }
    if (format.strike) {
        out += ";9";
    }
    const RgbTriple parts = splitColor(format.color);
    out += ";38;2;" + std::to_string(parts.red) + ';' + std::to_string(parts.green) + ';' +
           std::to_string(parts.blue) + 'm';
}

} // namespace

void appendRunsJson(std::string &out, const RenderedText &rendered)
{
    for (const FormattedRun &run : rendered.runs) {
        const nlohmann::ordered_json line = {
            {"text", run.text},
            {"font", run.format.font},
            {"size", run.format.sizePoints},
            {"bold", run.format.bold},
            {"italic", run.format.italic},
            {"underline", run.format.underline},
            {"strike", run.format.strike},
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
        appendTerminalSafe(out, run.text);
    }
    if (!rendered.runs.empty()) {
        out += "\x1b[0m";
    }
}

} // namespace tintara::cli
