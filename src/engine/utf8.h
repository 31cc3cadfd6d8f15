#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tintara
{

// A character is one Unicode code point, so text lengths and positions in the
// engine count code points of UTF-8 text.

// The number of code points, or nothing when the text is not valid UTF-8
// (overlong forms, surrogates and values above U+10FFFF are invalid).
std::optional<std::size_t> utf8Length(std::string_view text);

// The byte length of the sequence that starts with a valid lead byte.
inline std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead < 0xE0) {
        return 2;
    }
    return lead < 0xF0 ? 3 : 4;
}

} // namespace tintara
