#include "cli/contrast_warning.h"

#include "engine/contrast.h"
#include "engine/utf8.h"

#include <charconv>
#include <cstdio>

namespace tintara::cli
{

namespace
{

// 'a' for printable ASCII, U+00E9 for anything else (U+1F1EB U+1F1F7 for a
// flag), so that no byte of the line reaches the terminal raw.
std::string shownElement(std::string_view element)
{
    const auto c = static_cast<unsigned char>(element.front());
    if (element.size() == 1 && c > ' ' && c < 0x7F && c != '\'') {
        return std::string{'\'', element.front(), '\''};
    }
    std::string shown;
    for (const char32_t codePoint : decodeUtf8Lossy(element)) {
        char code[16];
        std::snprintf(code, sizeof code, shown.empty() ? "U+%04X" : " U+%04X",
                      static_cast<unsigned>(codePoint));
        shown += code;
    }
    return shown;
}

// The minimum as it was given ("4.5:1"), not cut like a measured ratio.
std::string shownMinimum(double ratio)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, ratio).ptr;
    return std::string(digits, end) + ":1";
}

} // namespace

std::optional<std::string> contrastWarning(const Options &options, std::string_view line,
                                           std::size_t lineNumber)
{
    if (!options.contrastCheck || isBlankLine(line)) {
        return std::nullopt;
    }
    const ContrastCheck &check = *options.contrastCheck;
    const ContrastReport report =
        checkContrast(options.colours, line, options.blend.value_or(Blend::Rgb), check.background,
                      check.minimumRatio);
    if (report.belowCount == 0) {
        return std::nullopt;
    }
    const std::size_t count = report.elementCount;
    std::string warning = lineNumber > 0 ? "line " + std::to_string(lineNumber) + ": " : "";
    warning += std::to_string(report.belowCount) + " of " + std::to_string(count) +
               (count == 1 ? " character falls" : " characters fall") + " under " +
               shownMinimum(check.minimumRatio) + " against #" + htmlHex(check.background) +
               "; the lowest is character " + std::to_string(report.lowest->position) + " " +
               shownElement(report.lowest->element) + " at " + formatRatio(report.lowest->ratio);
    return warning;
}

} // namespace tintara::cli
