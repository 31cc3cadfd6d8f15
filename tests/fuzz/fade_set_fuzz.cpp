// Feeds arbitrary bytes to the profile reader and the fade-set loader, then
// saves a fade set over them: reading must never crash, and whatever the file
// held, the saved set must read back exactly.
#include "engine/fade_set.h"
#include "engine/ini_profile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace
{

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// A set that differs with the input, so the writer meets many shapes.
tintara::FadeSet setFrom(const tintara::FadeSetReading &reading, std::size_t size)
{
    tintara::FadeSet set = reading.fadeSet.value_or(tintara::FadeSet{});
    set.colourCount = 2 + static_cast<int>(size % 9);
    set.palette[size % tintara::kSlotCount] =
        static_cast<tintara::ColorValue>(size * 2654435761u) & 0xFFFFFF;
    set.styles.italic = !set.styles.italic;
    set.blend = static_cast<tintara::Blend>(size % 3);
    return set;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);

    const tintara::FadeSetReading reading = tintara::readFadeSet(text);
    require(!reading.fadeSet || reading.colourCount == reading.fadeSet->colourCount);
    require(reading.fadeSet.has_value() == reading.error.empty());
    require(tintara::iniValue(text, "famount", "fdamt").size() <= tintara::kMaxIniValueLength);

    const tintara::FadeSet set = setFrom(reading, size);
    const bool blendStored = !tintara::iniValue(text, "fblend", "blend").empty();
    tintara::setIniValues(text, tintara::fadeSetEntries(set, blendStored));
    const tintara::FadeSetReading again = tintara::readFadeSet(text);
    require(again.fadeSet.has_value());
    require(again.fadeSet->colourCount == set.colourCount);
    require(again.fadeSet->palette == set.palette);
    require(again.fadeSet->styles == set.styles);
    require(again.fadeSet->blend == set.blend && !again.unknownBlend);
    return 0;
}
