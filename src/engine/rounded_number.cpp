#include "engine/rounded_number.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tintara
{

namespace
{

bool allDigits(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::optional<std::int16_t> parseRoundedInt16(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }

    // Any magnitude past the cap is out of range, so capping keeps it small.
    constexpr std::int32_t kCap = 100000;
    std::int32_t magnitude = 0;
    for (const char digit : whole) {
        magnitude = std::min(magnitude * 10 + (digit - '0'), kCap);
    }
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool aboveHalf =
            std::ranges::any_of(fraction.substr(1), [](char c) { return c != '0'; });
        if (first > '5' || (first == '5' && (aboveHalf || magnitude % 2 == 1))) {
            ++magnitude;
        }
    }
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace tintara
