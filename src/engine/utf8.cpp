#include "engine/utf8.h"

#include <cstdint>
#include <cstring>

namespace tintara
{

namespace
{

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the run of ASCII bytes at p, found eight bytes at a time; plain
// ASCII is the usual case.
std::size_t asciiRun(const unsigned char *p, const unsigned char *end)
{
    const unsigned char *start = p;
    while (end - p >= 8) {
        std::uint64_t block;
        std::memcpy(&block, p, 8);
        if ((block & 0x8080808080808080ULL) != 0) {
            break;
        }
        p += 8;
    }
    while (p < end && *p < 0x80) {
        ++p;
    }
    return static_cast<std::size_t>(p - start);
}

} // namespace

Utf8Character firstCharacter(std::string_view text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const unsigned char lead = *p;
    if (lead < 0x80) {
        return {lead, 1, true, false};
    }
    std::size_t need;
    char32_t value;
    unsigned char lowest = 0x80, highest = 0xBF; // bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) {
            lowest = 0xA0; // overlong
        } else if (lead == 0xED) {
            highest = 0x9F; // surrogates
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        value = lead & 0x07;
        if (lead == 0xF0) {
            lowest = 0x90; // overlong
        } else if (lead == 0xF4) {
            highest = 0x8F; // above U+10FFFF
        }
    } else {
        return {kReplacementCharacter, 1, false, false};
    }
    std::size_t taken = 1;
    while (taken <= need && taken < text.size()) {
        const unsigned char byte = p[taken];
        const bool fits = taken == 1 ? byte >= lowest && byte <= highest : isContinuation(byte);
        if (!fits) {
            break;
        }
        value = (value << 6) | (byte & 0x3F);
        ++taken;
    }
    if (taken != need + 1) {
        return {kReplacementCharacter, taken, false, taken == text.size()};
    }
    return {value, taken, true, false};
}

Utf8Prefix wellFormedPrefix(std::string_view text)
{
    const auto *begin = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = begin + text.size();
    Utf8Prefix prefix;
    while (true) {
        const std::size_t ascii = asciiRun(begin + prefix.bytes, end);
        prefix.bytes += ascii;
        prefix.codePoints += ascii;
        if (prefix.bytes == text.size()) {
            return prefix;
        }
        const Utf8Character character = firstCharacter(text.substr(prefix.bytes));
        if (!character.wellFormed) {
            prefix.cutShort = character.cutShort;
            return prefix;
        }
        prefix.bytes += character.length;
        ++prefix.codePoints;
    }
}

std::optional<std::size_t> utf8Length(std::string_view text)
{
    const Utf8Prefix prefix = wellFormedPrefix(text);
    if (prefix.bytes != text.size()) {
        return std::nullopt;
    }
    return prefix.codePoints;
}

void appendUtf8Lossy(std::string &out, std::string_view text)
{
    while (!text.empty()) {
        const Utf8Prefix prefix = wellFormedPrefix(text);
        out.append(text.data(), prefix.bytes);
        text.remove_prefix(prefix.bytes);
        if (!text.empty()) {
            appendUtf8(out, kReplacementCharacter);
            text.remove_prefix(firstCharacter(text).length);
        }
    }
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

} // namespace tintara
