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
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            ++count;
            continue;
        }
        std::size_t need;
        unsigned char lowest = 0x80, highest = 0xBF; // bounds of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            need = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            need = 2;
            if (lead == 0xE0) {
                lowest = 0xA0; // overlong
            } else if (lead == 0xED) {
                highest = 0x9F; // surrogates
            }
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            need = 3;
            if (lead == 0xF0) {
                lowest = 0x90; // overlong
            } else if (lead == 0xF4) {
                highest = 0x8F; // above U+10FFFF
            }
        } else {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(end - p) <= need || p[1] < lowest || p[1] > highest) {
            return std::nullopt;
        }
        for (std::size_t k = 2; k <= need; ++k) {
            if (!isContinuation(p[k])) {
                return std::nullopt;
            }
        }
        p += need + 1;
        ++count;
    }
    return count;
}

} // namespace tintara
