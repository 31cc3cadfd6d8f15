#pragma once

#include "engine/blend.h"
#include "engine/color.h"
#include "engine/yield.h"

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tintara
{

inline constexpr int kMinColors = 2;
inline constexpr int kMaxColors = 10;
// With three or more colours the text length is held in a 16-bit integer.
inline constexpr std::size_t kMaxFadeLength = 32767;
// "<Font Color=#" + six digits + ">" + "</Font>" around each character.
inline constexpr std::size_t kElementOverhead = 27;

class FadeError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// How the text is cut for a fade with colourCount colours: the lengths of the
// colourCount - 1 segments, in code points. Two colours take the whole text,
// three halve it, four or more deal it out, earlier segments taking the surplus.
std::vector<std::size_t> fadeSegments(std::size_t length, int colourCount);

// How many times the fade yields: once per dealing pass (four or more colours).
std::size_t fadeYieldCount(std::size_t length, int colourCount);

// Appends the coded text of `text` faded through `colours` to `out`: the
// opening tags, one "<Font Color=#RRGGBB>c</Font>" element per character, the
// closing tags. Throws FadeError for a colour count outside 2..10, invalid
// UTF-8, or a text too long for the colour count. The blend changes only the
// colours between a segment's ends, never the segments.
void appendFade(std::string &out, std::span<const ColorValue> colours, std::string_view text,
                std::string_view openingTags, std::string_view closingTags,
                const YieldFn &yield = {}, Blend blend = Blend::Rgb);

// The coded run alone, without style tags.
std::string fadeColors(std::span<const ColorValue> colours, std::string_view text,
                       const YieldFn &yield = {}, Blend blend = Blend::Rgb);

// The colour of each element of a fade of `length` characters, in text order,
// exactly as the coded text gives them. Throws FadeError for a colour count
// outside 2..10.
std::vector<ColorValue> fadeElementColours(std::span<const ColorValue> colours, std::size_t length,
                                           Blend blend);

} // namespace tintara
