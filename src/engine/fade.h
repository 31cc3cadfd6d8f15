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

// Lets a caller take the coded text a block at a time while a fade makes it:
// called with the buffer when a block has been appended, it may write the
// buffer on and empty it.
using BlockFn = std::function<void(std::string &out)>;

// Appends the coded text of `text` faded through `colours` to `out`: the
// opening tags, one "<Font Color=#RRGGBB>c</Font>" element per character, the
// closing tags. Throws FadeError for a colour count outside 2..10, invalid
// UTF-8, or a text too long for the colour count. The blend changes only the
// colours between a segment's ends, never the segments. With `onBlock`, the
// coded text goes into `out` a block at a time, so a long text never needs
// all of it in memory; the last block is left in `out`.
void appendFade(std::string &out, std::span<const ColorValue> colours, std::string_view text,
                std::string_view openingTags, std::string_view closingTags,
                const YieldFn &yield = {}, Blend blend = Blend::Rgb, const BlockFn &onBlock = {});

// The rules of appendFade for the text, checked while the text is still
// arriving, so that input certain to fail need not be read to its end.
class FadeTextCheck
{
public:
    explicit FadeTextCheck(std::size_t colourCount);

    // Checks the text so far, which extends the text of the previous call;
    // throws the FadeError that appendFade would throw, as soon as the text
    // is certain to fail (bytes that can begin no valid UTF-8 are invalid at
    // once; a sequence cut off by the end of what has arrived is not yet).
    void checkStart(std::string_view textSoFar);
    // Starts over for the next text.
    void restart();

private:
    std::size_t longest_;
    std::size_t checkedBytes_ = 0;
    std::size_t length_ = 0;
};

// The coded run alone, without style tags.
std::string fadeColors(std::span<const ColorValue> colours, std::string_view text,
                       const YieldFn &yield = {}, Blend blend = Blend::Rgb);

// The colour of each element of a fade of `length` characters, in text order,
// exactly as the coded text gives them. Throws FadeError for a colour count
// outside 2..10.
std::vector<ColorValue> fadeElementColours(std::span<const ColorValue> colours, std::size_t length,
                                           Blend blend);

} // namespace tintara
