#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintara
{

// A character is one Unicode code point, so text lengths and positions in the
// engine count code points of UTF-8 text.

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The character at the start of non-empty UTF-8 text.
struct Utf8Character {
    char32_t value;     // U+FFFD when the sequence is ill-formed
    std::size_t length; // in bytes: the whole sequence, or its longest well-formed start (>= 1)
    bool wellFormed;
    bool cutShort; // ill-formed only because the text ends inside the sequence
};
Utf8Character firstCharacter(std::string_view text);

// The longest start of a text that is made of whole well-formed sequences.
struct Utf8Prefix {
    std::size_t bytes = 0;
    std::size_t codePoints = 0;
    bool cutShort = false; // the rest is the well-formed start of a sequence that the text cuts off
};
Utf8Prefix wellFormedPrefix(std::string_view text);

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

// Appends the text with each ill-formed sequence (the longest start of a valid
// sequence, or a single stray byte) replaced by U+FFFD, so any bytes give valid
// UTF-8 and none are silently dropped.
void appendUtf8Lossy(std::string &out, std::string_view text);

// Appends one code point, which must be a Unicode scalar value, as UTF-8.
void appendUtf8(std::string &out, char32_t codePoint);

} // namespace tintara
