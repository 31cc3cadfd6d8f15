#pragma once

namespace tintara
{

// Case changes of ASCII letters alone: every other character stays as it is,
// so the same rule serves UTF-8 bytes (char) and code points (char32_t).
template <typename Char> constexpr Char asciiLower(Char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <typename Char> constexpr Char asciiUpper(Char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

// Whether two characters are the same but for the case of an ASCII letter.
constexpr bool equalIgnoringAsciiCase(char a, char b)
{
    return asciiLower(a) == asciiLower(b);
}

} // namespace tintara
