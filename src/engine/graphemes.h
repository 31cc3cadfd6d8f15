#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tintara
{

// An element of a fade is one user-perceived character: an extended grapheme
// cluster as Unicode's text segmentation (UAX #29) defines it. A flag, an
// emoji with its skin tone, a ZWJ family, a keycap and a letter with its
// combining marks each stay whole. Text given here must be valid UTF-8.

namespace detail
{
std::size_t clusterLength(std::string_view text);
}

// The byte length of the element that starts `text` (not empty).
inline std::size_t graphemeLength(std::string_view text)
{
    // An ASCII character followed by another one always ends its cluster,
    // except CR LF; only the rest needs the Unicode tables.
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < 0x80) {
        if (text.size() == 1) {
            return 1;
        }
        const auto next = static_cast<unsigned char>(text[1]);
        if (next < 0x80 && (first != '\r' || next != '\n')) {
            return 1;
        }
    }
    return detail::clusterLength(text);
}

// The number of elements.
std::size_t graphemeCount(std::string_view text);

// The elements, in order.
std::vector<std::string_view> splitGraphemes(std::string_view text);

// The version of Unicode whose rules split the text, like "15.0.0".
std::string_view graphemeUnicodeVersion();

} // namespace tintara
