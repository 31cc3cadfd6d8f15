#include "engine/contrast.h"

#include "engine/fade.h"
#include "engine/graphemes.h"
#include "engine/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tintara
{

namespace
{

constexpr ColorValue kBlack = 0;

Readability readabilityOn(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                          ColorValue background)
{
    Readability readability;
    readability.report = checkContrast(
        colours, text, blend, background, kReadableRatio,
        [&](const ElementContrast &element) { readability.below.push_back(element); });
    return readability;
}

} // namespace

double relativeLuminance(ColorValue colour)
{
    const RgbTriple c = splitColor(colour);
    return 0.2126 * linearLight(c.red) + 0.7152 * linearLight(c.green) +
           0.0722 * linearLight(c.blue);
}

double contrastRatio(ColorValue a, ColorValue b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string formatRatio(double ratio)
{
    char digits[32];
    const double cut = std::floor(ratio * 100) / 100;
    const auto end = std::to_chars(digits, digits + sizeof digits, cut).ptr;
    return std::string(digits, end) + ":1";
}

ContrastReport checkContrast(std::span<const ColorValue> colours, std::string_view text,
                             Blend blend, ColorValue background, double minimumRatio,
                             const std::function<void(const ElementContrast &)> &onBelow)
{
    const std::string repaired = encodeUtf8(decodeUtf8Lossy(text));
    const std::vector<std::string_view> elements = splitGraphemes(repaired);
    const ElementColours elementColours(colours, elements.size(), blend);
    ContrastReport report;
    report.elementCount = elements.size();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ElementContrast element{i + 1, std::string(elements[i]),
                                      contrastRatio(elementColours.at(i + 1), background)};
        if (!report.lowest || element.ratio < report.lowest->ratio) {
            report.lowest = element;
        }
        if (element.ratio < minimumRatio) {
            ++report.belowCount;
            if (onBelow) {
                onBelow(element);
            }
        }
    }
    return report;
}

ReadabilityReport readabilityReport(std::span<const ColorValue> colours, std::string_view text,
                                    Blend blend)
{
    return {readabilityOn(colours, text, blend, kWhite),
            readabilityOn(colours, text, blend, kBlack)};
}

} // namespace tintara
