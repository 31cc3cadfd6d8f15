#include "engine/utf8.h"

#include <cstdint>
#include <cstring>

namespace tintara
{

namespace
{

struct Sequence {
    char32_t value;
    std::size_t length; // of the whole sequence, or of its longest valid prefix (at least 1)
    bool valid;
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Reads the sequence at p (p < end).
Sequence readSequence(const unsigned char *p, const unsigned char *end)
{
    const unsigned char lead = *p;
    if (lead < 0x80) {
        return {lead, 1, true};
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
        return {kReplacementCharacter, 1, false};
    }
    std::size_t taken = 1;
    while (taken <= need && p + taken < end) {
        const unsigned char byte = p[taken];
        const bool fits = taken == 1 ? byte >= lowest && byte <= highest : isContinuation(byte);
        if (!fits) {
            break;
        }
        value = (value << 6) | (byte & 0x3F);
        ++taken;
    }
    if (taken != need + 1) {
        return {kReplacementCharacter, taken, false};
    }
    return {value, taken, true};
}

} // namespace

std::optional<std::size_t> utf8Length(std::string_view text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = p + text.size();
    std::size_t count = 0;
    while (p < end) {
        // Plain ASCII, the usual case, goes eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t block;
            std::memcpy(&block, p, 8);
            if ((block & 0x8080808080808080ULL) != 0) {
                break;
            }
            p += 8;
            count += 8;
        }
        if (p == end) {
            break;
        }
        const Sequence sequence = readSequence(p, end);
        if (!sequence.valid) {
            return std::nullopt;
        }
        p += sequence.length;
        ++count;
    }
    return count;
}

std::u32string decodeUtf8Lossy(std::string_view text)
{
    std::u32string decoded;
    decoded.reserve(text.size());
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = p + text.size();
    while (p < end) {
        const Sequence sequence = readSequence(p, end);
        decoded.push_back(sequence.value);
        p += sequence.length;
    }
    return decoded;
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

std::string encodeUtf8(std::u32string_view codePoints)
{
    std::string utf8;
    utf8.reserve(codePoints.size());
    for (const char32_t c : codePoints) {
        appendUtf8(utf8, c);
    }
    return utf8;
}

} // namespace tintara
