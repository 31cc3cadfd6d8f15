#include "engine/fade_set.h"

#include "engine/file_replace.h"
#include "engine/rounded_number.h"
#include "engine/safely_quoted.h"

namespace tintara
{

namespace
{

constexpr std::string_view kCountSection = "famount";
constexpr std::string_view kCountKey = "fdamt";
constexpr std::string_view kStyleSection = "fweight";
constexpr std::string_view kBlendSection = "fblend";
constexpr std::string_view kBlendKey = "blend";

// The three component sections and their key prefixes, in file order.
struct ComponentKeys {
    std::string_view section;
    std::string_view prefix;
};
constexpr std::array<ComponentKeys, 3> kComponentKeys{{
    {"rdclrs", "rd"},
    {"grnclrs", "grn"},
    {"blclrs", "bl"},
}};


std::string where(std::string_view key, std::string_view section)
{
    return std::string(key) + " in [" + std::string(section) + "]";
}

int componentOf(const RgbTriple &rgb, std::size_t index)
{
    return index == 0 ? rgb.red : index == 1 ? rgb.green : rgb.blue;
}

} // namespace

Palette whitePalette()
{
    Palette palette;
    palette.fill(kWhite);
    return palette;
}

FadeSetReading readFadeSet(std::string_view fileText)
{
    FadeSetReading reading;
    const std::string countText = iniValue(fileText, kCountSection, kCountKey);
    if (countText.empty()) {
        reading.error = "no colour count (" + where(kCountKey, kCountSection) + ")";
        return reading;
    }
    const auto count = parseRoundedInt16(countText);
    if (!count || *count < kMinColors || *count > kMaxColors) {
        reading.error =
            "the colour count " + safelyQuoted(countText) + " is not a number from 2 to 10";
        return reading;
    }
    reading.colourCount = *count;

    // All thirty components are read before any slot changes.
    std::array<std::array<std::int16_t, kSlotCount>, 3> components{};
    for (std::size_t c = 0; c < kComponentKeys.size(); ++c) {
        const auto [section, prefix] = kComponentKeys[c];
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const std::string key = std::string(prefix) + std::to_string(slot);
            const std::string text = iniValue(fileText, section, key);
            const auto value = parseRoundedInt16(text);
            if (!value) {
                reading.error =
                    text.empty() ? "no " + where(key, section)
                                 : where(key, section) + " is not a number: " + safelyQuoted(text);
                return reading;
            }
            components[c][slot - 1] = *value;
        }
    }

    FadeSet set;
    set.colourCount = *count;
    for (int k = 0; k < kSlotCount; ++k) {
        set.palette[k] = makeColor(components[0][k], components[1][k], components[2][k]);
    }
    for (const StyleEntry &entry : kStyles) {
        set.styles.*entry.flag = iniValue(fileText, kStyleSection, entry.name) == "1";
    }
    const std::string blendText = iniValue(fileText, kBlendSection, kBlendKey);
    if (!blendText.empty()) {
        const std::optional<Blend> blend = parseBlend(blendText);
        set.blend = blend.value_or(Blend::Rgb);
        reading.unknownBlend = !blend;
    }
    reading.fadeSet = set;
    return reading;
}

FadeSetReading loadFadeSetFile(const std::string &path)
{
    try {
        return readFadeSet(readWholeFile(path));
    } catch (const FileError &error) {
        return FadeSetReading{std::nullopt, std::nullopt, error.what()};
    }
}

std::vector<IniEntry> fadeSetEntries(const FadeSet &set, bool blendAlreadyStored)
{
    std::vector<IniEntry> entries;
    entries.reserve(1 + 3 * kSlotCount + kStyles.size() + 1);
    entries.push_back(
        {std::string(kCountSection), std::string(kCountKey), std::to_string(set.colourCount)});
    for (std::size_t c = 0; c < kComponentKeys.size(); ++c) {
        const auto [section, prefix] = kComponentKeys[c];
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const RgbTriple rgb = splitColor(set.palette[slot - 1]);
            entries.push_back({std::string(section), std::string(prefix) + std::to_string(slot),
                               std::to_string(componentOf(rgb, c))});
        }
    }
    for (const StyleEntry &entry : kStyles) {
        entries.push_back({std::string(kStyleSection), std::string(entry.name),
                           set.styles.*entry.flag ? "1" : "0"});
    }
    if (set.blend != Blend::Rgb || blendAlreadyStored) {
        entries.push_back({std::string(kBlendSection), std::string(kBlendKey),
                           std::string(blendName(set.blend))});
    }
    return entries;
}

void saveFadeSetFile(const FadeSet &set, const std::string &path)
{
    const bool blendStored = !readIniValue(kBlendSection, kBlendKey, path).empty();
    writeIniValues(fadeSetEntries(set, blendStored), path);
}

} // namespace tintara
