#include "engine/code_points.h"

namespace tintara
{

namespace
{

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::u32string decodeUtf8Lossy(std::string_view text)
{
    std::u32string decoded;
    decoded.reserve(text.size());
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = p + text.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            decoded.push_back(lead);
            ++p;
            continue;
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
            decoded.push_back(kReplacementCharacter);
            ++p;
            continue;
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
        decoded.push_back(taken == need + 1 ? value : kReplacementCharacter);
        p += taken;
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

} // namespace tintara
