#pragma once

#include "engine/blend.h"
#include "engine/color.h"
#include "engine/fade.h"
#include "engine/fade_command.h"
#include "engine/ini_profile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintara
{

inline constexpr int kSlotCount = 10;
using Palette = std::array<ColorValue, kSlotCount>;

Palette whitePalette();

// What a fade-set file (.tnf) holds: the colour count, the colours of all ten
// slots, the four style flags and the blend; not the text, nor the slot being
// edited.
struct FadeSet {
    int colourCount = kMinColors;
    Palette palette = whitePalette();
    FadeStyles styles;
    Blend blend = Blend::Rgb;
};

// A fade set as read from a file, in the order the open command applies it.
// Without a colour count nothing changes. With a count but without a fade set
// (a component is missing or not a number) only the count changes; palette and
// styles stay. With both, everything is applied and slot 1 becomes current.
struct FadeSetReading {
    std::optional<int> colourCount;
    std::optional<FadeSet> fadeSet;
    std::string error; // why the reading is incomplete; empty when fadeSet is present
    // The file names a blend this program does not know (one from a later
    // version, or a typing slip); the set then reads as rgb.
    bool unknownBlend = false;
};

// Reads the count ("fdamt" in "famount", 2..10), then all thirty components
// ("rd1".."rd10" in "rdclrs", "grn.." in "grnclrs", "bl.." in "blclrs"; a
// component above 255 counts as 255, below 0 as 0), then the styles in
// "fweight", each on exactly when its value is "1", then the blend ("blend" in
// "fblend": rgb, oklab or oklch; rgb when it is missing or empty).
FadeSetReading readFadeSet(std::string_view fileText);

// The same for a file; a file that cannot be read gives nothing at all.
FadeSetReading loadFadeSetFile(const std::string &path);

// The values of a fade set in the order they are written: the count, the
// reds, greens and blues of slots 1..10, "1" or "0" for bold, italic, strike
// and underline, then the blend. An rgb blend is left out unless the file
// being saved over already names a blend, so an rgb set is written as such
// sets always were and an old blend never outlives a save.
std::vector<IniEntry> fadeSetEntries(const FadeSet &set, bool blendAlreadyStored = false);

// Writes the values into the file, keeping its other lines, and replaces the
// file in one step. Throws FileError; the file is then unchanged.
void saveFadeSetFile(const FadeSet &set, const std::string &path);

} // namespace tintara
