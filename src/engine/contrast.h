#pragma once

#include "engine/blend.h"
#include "engine/color.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tintara
{

// WCAG 2.x asks for at least 4.5:1 between normal text and its background.
inline constexpr double kReadableRatio = 4.5;

// The WCAG 2.x relative luminance: 0 for black to 1 for white.
double relativeLuminance(ColorValue colour);

// The WCAG 2.x contrast ratio of two colours, in either order: the lighter
// luminance plus 0.05 over the darker plus 0.05, from 1 to 21.
double contrastRatio(ColorValue a, ColorValue b);

// A ratio as "4.48:1", cut (not rounded) to two decimals so that a ratio just
// under a minimum never reads as reaching it; no trailing zeros ("21:1").
std::string formatRatio(double ratio);

// One faded element (a user-perceived character) against a background.
struct ElementContrast {
    std::size_t position; // from 1, in elements
    std::string element;  // its text, UTF-8
    double ratio;
};

struct ContrastReport {
    std::size_t elementCount = 0;
    std::size_t belowCount = 0;            // elements under the minimum ratio
    std::optional<ElementContrast> lowest; // the first of the lowest; none for an empty text
};

// Checks every element of the fade of `text` through `colours` against the
// background; onBelow, when given, runs for each element under the minimum, in
// text order. Each ill-formed UTF-8 sequence counts as one U+FFFD. Throws
// FadeError for a colour count outside 2..10.
ContrastReport checkContrast(std::span<const ColorValue> colours, std::string_view text,
                             Blend blend, ColorValue background, double minimumRatio,
                             const std::function<void(const ElementContrast &)> &onBelow = {});

// How readable a fade is on one background at kReadableRatio.
struct Readability {
    ContrastReport report;
    std::vector<ElementContrast> below; // the elements under the ratio, in text order
};

struct ReadabilityReport {
    Readability onWhite;
    Readability onBlack;
};

// The fade of `text` checked against white and against black.
ReadabilityReport readabilityReport(std::span<const ColorValue> colours, std::string_view text,
                                    Blend blend);

} // namespace tintara
