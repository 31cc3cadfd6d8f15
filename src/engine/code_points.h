#pragma once

#include <string>
#include <string_view>

namespace tintara
{

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The code points of UTF-8 text. Each ill-formed sequence (the longest prefix
// of a valid sequence, or a single stray byte) becomes U+FFFD, so any bytes
// decode and none are silently dropped.
std::u32string decodeUtf8Lossy(std::string_view text);

// Appends one code point, which must be a Unicode scalar value, as UTF-8.
void appendUtf8(std::string &out, char32_t codePoint);

} // namespace tintara
