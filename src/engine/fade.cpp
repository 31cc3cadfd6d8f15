#include "engine/fade.h"

#include "engine/graphemes.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <type_traits>

namespace tintara
{

namespace
{

constexpr std::string_view kElementTemplate = "<Font Color=#RRGGBB>c</Font>";
constexpr std::size_t kDigitsAt = 13;
constexpr std::size_t kCharacterAt = 20;
constexpr std::string_view kElementClose = "</Font>";

// Round to the nearest integer, ties to even, without a libm call: adding
// 1.5 * 2^52 leaves no fraction bits, so the FPU rounds in its default mode.
inline int roundHalfEven(double x)
{
    constexpr double kShift = 6755399441055744.0;
    return static_cast<int>((x + kShift) - kShift);
}

std::size_t halvingPoint(std::size_t length)
{
    return static_cast<std::size_t>(roundHalfEven(static_cast<double>(length) / 2.0));
}

void checkColourCount(std::size_t count)
{
    if (count < kMinColors || count > kMaxColors) {
        throw FadeError("a fade takes 2 to 10 colours, not " + std::to_string(count));
    }
}

struct Step {
    double start;
    double perChar;
};

Step linearStep(int from, int to, std::size_t length)
{
    return {static_cast<double>(from),
            static_cast<double>(to - from) / static_cast<double>(length)};
}

// The component at a position (from 1, an exact integer in a double).
inline int linearComponent(const Step &step, double position)
{
    return roundHalfEven(step.start + position * step.perChar);
}

// Positions first .. first + count - 1 of a segment (from 1), stepped in rgb.
// This and the walk below are inlined into each caller: as calls, the block and
// the output cursor go through memory and the fade takes a tenth longer.
[[gnu::always_inline]] inline void fillLinear(ComponentBlock &block,
                                              const std::array<Step, 3> &steps, std::size_t first,
                                              std::size_t count)
{
    const auto base = static_cast<double>(first);
    const auto blockSize = static_cast<int>(count);
    const auto fill = [base, blockSize](std::array<int, ComponentBlock::kSize> &values,
                                        const Step &step) {
        for (int j = 0; j < blockSize; ++j) {
            values[j] = linearComponent(step, base + j);
        }
    };
    fill(block.reds, steps[0]);
    fill(block.greens, steps[1]);
    fill(block.blues, steps[2]);
}

// The same positions of a segment of `length` elements, mixed perceptually.
void fillMixed(ComponentBlock &block, const PerceptualMix &mix, std::size_t first,
               std::size_t count, std::size_t length)
{
    for (std::size_t j = 0; j < count; ++j) {
        const RgbTriple c = mix.at(static_cast<double>(first + j) / static_cast<double>(length));
        block.reds[j] = c.red;
        block.greens[j] = c.green;
        block.blues[j] = c.blue;
    }
}

// Calls onBlock(block, count) for the elements of a fade of `length`
// characters, block after block in text order.
template <typename OnBlock>
[[gnu::always_inline]] inline void forEachComponentBlock(std::span<const ColorValue> colours,
                                                         std::size_t length, Blend blend,
                                                         OnBlock onBlock)
{
    const auto colourCount = static_cast<int>(colours.size());
    std::array<RgbTriple, kMaxColors> parts{};
    for (int c = 0; c < colourCount; ++c) {
        parts[c] = fadeComponents(colours[c]);
    }
    const std::vector<std::size_t> segments = fadeSegments(length, colourCount);
    ComponentBlock block;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const std::size_t segLength = segments[k];
        if (segLength == 0) {
            continue;
        }
        const RgbTriple &a = parts[k];
        const RgbTriple &b = parts[k + 1];
        // Rgb and the perceptual blends each get a loop of their own, so that
        // the rgb one stays as tight as ever.
        const auto eachBlock = [&](const auto &fill) {
            for (std::size_t first = 1; first <= segLength; first += ComponentBlock::kSize) {
                const std::size_t count = std::min(ComponentBlock::kSize, segLength - first + 1);
                fill(first, count);
                onBlock(block, count);
            }
        };
        if (blend == Blend::Rgb) {
            const std::array<Step, 3> steps{linearStep(a.red, b.red, segLength),
                                            linearStep(a.green, b.green, segLength),
                                            linearStep(a.blue, b.blue, segLength)};
            eachBlock([&](std::size_t first, std::size_t count) {
                fillLinear(block, steps, first, count);
            });
        } else {
            const PerceptualMix mix(a, b, blend);
            eachBlock([&](std::size_t first, std::size_t count) {
                fillMixed(block, mix, first, count, segLength);
            });
        }
    }
}

} // namespace

std::vector<std::size_t> fadeSegments(std::size_t length, int colourCount)
{
    checkColourCount(static_cast<std::size_t>(colourCount));
    const std::size_t segments = static_cast<std::size_t>(colourCount) - 1;
    std::vector<std::size_t> lengths(segments, 0);
    if (colourCount == 2) {
        lengths[0] = length;
    } else if (colourCount == 3) {
        lengths[0] = halvingPoint(length);
        lengths[1] = length - lengths[0];
    } else {
        // Dealing one character per segment per pass, segment 1 first, leaves
        // segment k with floor((L - k) / S) + 1 characters when k <= L.
        for (std::size_t k = 1; k <= segments && k <= length; ++k) {
            lengths[k - 1] = (length - k) / segments + 1;
        }
    }
    return lengths;
}

std::size_t fadeYieldCount(std::size_t length, int colourCount)
{
    if (colourCount < 4) {
        return 0;
    }
    const std::size_t segments = static_cast<std::size_t>(colourCount) - 1;
    // An empty text still makes one pass before the dealing stops.
    return length == 0 ? 1 : (length + segments - 1) / segments;
}

std::size_t fadeElementCount(std::span<const ColorValue> colours, std::string_view text)
{
    checkColourCount(colours.size());
    if (!utf8Length(text)) {
        throw FadeError("the text is not valid UTF-8");
    }
    const std::size_t length = graphemeCount(text);
    if (colours.size() >= 3 && length > kMaxFadeLength) {
        throw FadeError("a text faded with 3 or more colours holds at most 32767 characters");
    }
    return length;
}

void appendFade(std::string &out, std::span<const ColorValue> colours, std::string_view text,
                std::string_view openingTags, std::string_view closingTags, const YieldFn &yield,
                Blend blend)
{
    const std::size_t length = fadeElementCount(colours, text);
    const auto colourCount = static_cast<int>(colours.size());
    if (yield) {
        for (std::size_t pass = fadeYieldCount(length, colourCount); pass > 0; --pass) {
            yield();
        }
    }

    const std::size_t start = out.size();
    out.resize(start + openingTags.size() + length * kElementOverhead + text.size() +
               closingTags.size());
    char *w = out.data() + start;
    const auto copyTags = [&w](std::string_view tags) {
        if (!tags.empty()) { // an empty view may hold a null pointer
            std::memcpy(w, tags.data(), tags.size());
            w += tags.size();
        }
    };
    copyTags(openingTags);

    // As many elements as bytes means every element is one ASCII byte; the
    // usual case then needs no look at where an element ends.
    const bool oneBytePerElement = length == text.size();
    const char *src = text.data();
    const char *const srcEnd = src + text.size();
    const auto writeBlock = [&](const ComponentBlock &c, std::size_t count, auto oneByte) {
        // Local copies of the cursors stay in registers through the writes.
        char *to = w;
        const char *from = src;
        for (std::size_t j = 0; j < count; ++j) {
            // Copy a whole element, then put in the digits and the character.
            std::memcpy(to, kElementTemplate.data(), kElementTemplate.size());
            std::memcpy(to + kDigitsAt, kUpperHexPairs[c.reds[j]].data(), 2);
            std::memcpy(to + kDigitsAt + 2, kUpperHexPairs[c.greens[j]].data(), 2);
            std::memcpy(to + kDigitsAt + 4, kUpperHexPairs[c.blues[j]].data(), 2);
            const std::size_t n =
                oneByte ? 1 : graphemeLength({from, static_cast<std::size_t>(srcEnd - from)});
            if (n == 1) {
                to[kCharacterAt] = *from++;
                to += kElementTemplate.size();
            } else {
                to += kCharacterAt;
                std::memcpy(to, from, n);
                to += n;
                from += n;
                std::memcpy(to, kElementClose.data(), kElementClose.size());
                to += kElementClose.size();
            }
        }
        w = to;
        src = from;
    };
    forEachComponentBlock(colours, length, blend, [&](const ComponentBlock &c, std::size_t count) {
        if (oneBytePerElement) {
            writeBlock(c, count, std::true_type{});
        } else {
            writeBlock(c, count, std::false_type{});
        }
    });
    copyTags(closingTags);
}

std::string fadeColors(std::span<const ColorValue> colours, std::string_view text,
                       const YieldFn &yield, Blend blend)
{
    std::string out;
    appendFade(out, colours, text, {}, {}, yield, blend);
    return out;
}

std::vector<ColorValue> fadeElementColours(std::span<const ColorValue> colours, std::size_t length,
                                           Blend blend)
{
    const ElementColours elementColours(colours, length, blend);
    std::vector<ColorValue> result;
    result.reserve(length);
    for (std::size_t element = 1; element <= length; ++element) {
        result.push_back(elementColours.at(element));
    }
    return result;
}

ElementColours::ElementColours(std::span<const ColorValue> colours, std::size_t length, Blend blend)
    : length_(length)
{
    checkColourCount(colours.size());
    const std::vector<std::size_t> lengths = fadeSegments(length, static_cast<int>(colours.size()));
    std::size_t last = 0;
    for (std::size_t k = 0; k < lengths.size(); ++k) {
        if (lengths[k] == 0) {
            continue;
        }
        last += lengths[k];
        const RgbTriple from = fadeComponents(colours[k]);
        const RgbTriple to = fadeComponents(colours[k + 1]);
        Segment segment{last,
                        lengths[k],
                        from,
                        {linearStep(from.red, to.red, lengths[k]).perChar,
                         linearStep(from.green, to.green, lengths[k]).perChar,
                         linearStep(from.blue, to.blue, lengths[k]).perChar},
                        std::nullopt};
        if (blend != Blend::Rgb) {
            segment.mix.emplace(from, to, blend);
        }
        segments_.push_back(std::move(segment));
    }
}

ColorValue ElementColours::at(std::size_t element) const
{
    ComponentBlock block;
    fill(element, 1, block);
    return block.reds[0] + 256 * block.greens[0] + 65536 * block.blues[0];
}

void ElementColours::fill(std::size_t first, std::size_t count, ComponentBlock &block) const
{
    const Segment *segment = segments_.data();
    while (first > segment->last) {
        ++segment;
    }
    for (std::size_t done = 0; done < count; ++segment) {
        const std::size_t start = segment->last - segment->length; // before its first element
        const std::size_t inSegment = std::min(count - done, segment->last - (first + done) + 1);
        // A block that crosses into the next segment takes the rest from a copy.
        ComponentBlock rest;
        ComponentBlock &part = done == 0 ? block : rest;
        if (segment->mix) {
            fillMixed(part, *segment->mix, first + done - start, inSegment, segment->length);
        } else {
            const std::array<Step, 3> steps{
                Step{static_cast<double>(segment->from.red), segment->perElement[0]},
                Step{static_cast<double>(segment->from.green), segment->perElement[1]},
                Step{static_cast<double>(segment->from.blue), segment->perElement[2]}};
            fillLinear(part, steps, first + done - start, inSegment);
        }
        if (done != 0) {
            std::copy_n(rest.reds.begin(), inSegment, block.reds.begin() + done);
            std::copy_n(rest.greens.begin(), inSegment, block.greens.begin() + done);
            std::copy_n(rest.blues.begin(), inSegment, block.blues.begin() + done);
        }
        done += inSegment;
    }
}

} // namespace tintara
