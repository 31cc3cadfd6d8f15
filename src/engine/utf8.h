#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintara
{

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

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

// The code points of UTF-8 text. Each ill-formed sequence (the longest prefix
// of a valid sequence, or a single stray byte) becomes U+FFFD, so any bytes
// decode and none are silently dropped.
std::u32string decodeUtf8Lossy(std::string_view text);

// Appends one code point, which must be a Unicode scalar value, as UTF-8.
void appendUtf8(std::string &out, char32_t codePoint);

// Code points (Unicode scalar values) as UTF-8.
std::string encodeUtf8(std::u32string_view codePoints);

} // namespace tintara
