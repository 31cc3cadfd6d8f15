#include "engine/graphemes.h"

#include <cstdint>
#include <cstring>
#include <utf8proc.h>

namespace tintara
{

namespace
{

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

bool holdsByte(std::uint64_t block, unsigned char byte)
{
    const std::uint64_t matches = block ^ (kEveryByte * byte);
    return ((matches - kEveryByte) & ~matches & kHighBits) != 0;
}

} // namespace

std::size_t detail::clusterLength(std::string_view text)
{
    const auto *bytes = reinterpret_cast<const utf8proc_uint8_t *>(text.data());
    const auto size = static_cast<utf8proc_ssize_t>(text.size());
    utf8proc_int32_t previous = 0;
    utf8proc_ssize_t end = utf8proc_iterate(bytes, size, &previous);
    if (end <= 0) {
        return 1; // not UTF-8 after all: let the byte stand alone rather than loop
    }
    // Starting afresh at a cluster boundary is allowed, so no state crosses calls.
    utf8proc_int32_t state = 0;
    while (end < size) {
        utf8proc_int32_t next = 0;
        const utf8proc_ssize_t taken = utf8proc_iterate(bytes + end, size - end, &next);
        if (taken <= 0 || utf8proc_grapheme_break_stateful(previous, next, &state)) {
            break;
        }
        end += taken;
        previous = next;
    }
    return static_cast<std::size_t>(end);
}

std::size_t graphemeCount(std::string_view text)
{
    const char *p = text.data();
    const char *const end = p + text.size();
    std::size_t count = 0;
    while (p < end) {
        // A run of ASCII without CR, the usual case, is one element per byte,
        // taken eight bytes at a time; only its last byte may join what follows.
        const char *const run = p;
        while (end - p >= 8) {
            std::uint64_t block;
            std::memcpy(&block, p, 8);
            if ((block & kHighBits) != 0 || holdsByte(block, '\r')) {
                break;
            }
            p += 8;
        }
        if (p != run && p != end && static_cast<unsigned char>(*p) >= 0x80) {
            --p;
        }
        count += static_cast<std::size_t>(p - run);
        if (p == end) {
            break;
        }
        p += graphemeLength({p, static_cast<std::size_t>(end - p)});
        ++count;
    }
    return count;
}

std::vector<std::string_view> splitGraphemes(std::string_view text)
{
    std::vector<std::string_view> elements;
    while (!text.empty()) {
        const std::size_t length = graphemeLength(text);
        elements.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return elements;
}

std::string_view graphemeUnicodeVersion()
{
    return utf8proc_unicode_version();
}

} // namespace tintara
