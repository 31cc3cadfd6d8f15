#pragma once

#include "engine/blend.h"
#include "engine/color.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tintara
{

// Lets the event loop run during long work; an empty function does nothing.
using YieldFn = std::function<void()>;

inline constexpr int kMinColors = 2;
inline constexpr int kMaxColors = 10;
// With three or more colours the number of elements is held in a 16-bit integer.
inline constexpr std::size_t kMaxFadeLength = 32767;
// "<Font Color=#" + six digits + ">" + "</Font>" around each element.
inline constexpr std::size_t kElementOverhead = 27;

class FadeError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A fade gives each element of the text its own colour. An element is one
// user-perceived character, a grapheme cluster (engine/graphemes.h), so text
// lengths and positions in a fade count elements.

// How the text is cut for a fade with colourCount colours: the lengths of the
// colourCount - 1 segments, in elements. Two colours take the whole text,
// three halve it, four or more deal it out, earlier segments taking the surplus.
std::vector<std::size_t> fadeSegments(std::size_t length, int colourCount);

// How many times the fade yields: once per dealing pass (four or more colours).
std::size_t fadeYieldCount(std::size_t length, int colourCount);

// The number of elements of `text` when faded through `colours`. Throws
// FadeError for a colour count outside 2..10, invalid UTF-8, or a text too
// long for the colour count.
std::size_t fadeElementCount(std::span<const ColorValue> colours, std::string_view text);

// Appends the coded text of `text` faded through `colours` to `out`: the
// opening tags, one "<Font Color=#RRGGBB>c</Font>" element per element of the
// text, the closing tags. Throws FadeError as fadeElementCount does. The blend
// changes only the colours between a segment's ends, never the segments.
void appendFade(std::string &out, std::span<const ColorValue> colours, std::string_view text,
                std::string_view openingTags, std::string_view closingTags,
                const YieldFn &yield = {}, Blend blend = Blend::Rgb);

// The coded run alone, without style tags.
std::string fadeColors(std::span<const ColorValue> colours, std::string_view text,
                       const YieldFn &yield = {}, Blend blend = Blend::Rgb);

// The colour of each element of a fade of `length` elements, in text order,
// exactly as the coded text gives them. Throws FadeError for a colour count
// outside 2..10.
std::vector<ColorValue> fadeElementColours(std::span<const ColorValue> colours, std::size_t length,
                                           Blend blend);

// The components of the colours of up to a block of elements, each component
// in an array of its own, so that loops over them become vector code.
struct ComponentBlock {
    static constexpr std::size_t kSize = 64;
    std::array<int, kSize> reds;
    std::array<int, kSize> greens;
    std::array<int, kSize> blues;
};

// The colour of any element of a fade of `length` elements, exactly as the
// coded text gives it, worked out on its own.
class ElementColours
{
public:
    // Throws FadeError for a colour count outside 2..10.
    ElementColours(std::span<const ColorValue> colours, std::size_t length, Blend blend);

    std::size_t length() const { return length_; }

    // Element 1 .. length.
    ColorValue at(std::size_t element) const;

    // The colours of elements first .. first + count - 1 (count at most
    // ComponentBlock::kSize, all within the length): a run of them at once is
    // quicker.
    void fill(std::size_t first, std::size_t count, ComponentBlock &block) const;

private:
    struct Segment {
        std::size_t last; // the element it ends on
        std::size_t length;
        RgbTriple from;
        std::array<double, 3> perElement; // red, green and blue steps, in rgb
        std::optional<PerceptualMix> mix; // for the perceptual blends
    };
    std::size_t length_;
    std::vector<Segment> segments_; // the segments that hold elements, in order
};

} // namespace tintara
