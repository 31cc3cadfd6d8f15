#include "engine/color.h"

#include <algorithm>
#include <cmath>

namespace tintara
{

namespace
{

constexpr char kUpperDigits[] = "0123456789ABCDEF";
constexpr char kLowerDigits[] = "0123456789abcdef";

constexpr std::array<std::array<char, 2>, 256> makeHexPairs(const char (&digits)[17])
{
    std::array<std::array<char, 2>, 256> pairs{};
    for (int i = 0; i < 256; ++i) {
        pairs[i] = {digits[i >> 4], digits[i & 15]};
    }
    return pairs;
}

int hexDigit(char c)
{
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

int readHexPair(const std::string &text, std::size_t pos)
{
    return hexDigit(text[pos]) * 16 + hexDigit(text[pos + 1]);
}

bool inPaletteRange(ColorValue colour)
{
    return colour >= 0 && colour <= kWhite;
}

} // namespace

const std::array<std::array<char, 2>, 256> kUpperHexPairs = makeHexPairs(kUpperDigits);
const std::array<std::array<char, 2>, 256> kLowerHexPairs = makeHexPairs(kLowerDigits);

std::string hex6(std::int32_t value)
{
    auto bits = static_cast<std::uint32_t>(value);
    std::string digits;
    do {
        digits.push_back(kUpperDigits[bits & 15]);
        bits >>= 4;
    } while (bits != 0);
    if (digits.size() < 6) {
        digits.append(6 - digits.size(), '0');
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

RgbTriple fadeComponents(ColorValue colour)
{
    if (inPaletteRange(colour)) {
        return splitColor(colour);
    }
    // Outside the palette range the digits of hex6 are the definition.
    const std::string t = hex6(colour);
    return {readHexPair(t, t.size() - 2), readHexPair(t, 2), readHexPair(t, 0)};
}

std::string htmlHex(ColorValue colour)
{
    const RgbTriple c = fadeComponents(colour);
    std::string text(6, '0');
    const auto put = [&text](std::size_t pos, int byte) {
        text[pos] = kLowerHexPairs[byte][0];
        text[pos + 1] = kLowerHexPairs[byte][1];
    };
    put(0, c.red);
    put(2, c.green);
    put(4, c.blue);
    return text;
}

RgbTriple splitColor(ColorValue colour)
{
    const auto blue = static_cast<std::int64_t>(std::floor(colour / 65536.0));
    const auto green = static_cast<std::int64_t>(std::floor((colour - 65536 * blue) / 256.0));
    const std::int64_t red = colour - 65536 * blue - 256 * green;
    return {static_cast<std::int32_t>(red), static_cast<std::int32_t>(green),
            static_cast<std::int32_t>(blue)};
}

ColorValue makeColor(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    const auto clamp = [](std::int16_t c) { return std::clamp<ColorValue>(c, 0, 255); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

} // namespace tintara
