#include "engine/color.h"

#include <algorithm>
#include <cctype>

namespace tintara
{

namespace
{

constexpr char kUpperDigits[] = "0123456789ABCDEF";

constexpr std::array<std::array<char, 2>, 256> makeHexPairs()
{
    std::array<std::array<char, 2>, 256> pairs{};
    for (int i = 0; i < 256; ++i) {
        pairs[i] = {kUpperDigits[i >> 4], kUpperDigits[i & 15]};
    }
    return pairs;
}

// hex6 writes only digits, so every character read back here is one.
int readHexPair(const std::string &text, std::size_t pos)
{
    return hexDigitValue(text[pos]).value_or(0) * 16 + hexDigitValue(text[pos + 1]).value_or(0);
}

bool inPaletteRange(ColorValue colour)
{
    return colour >= 0 && colour <= kWhite;
}

} // namespace

const std::array<std::array<char, 2>, 256> kUpperHexPairs = makeHexPairs();

std::optional<int> hexDigitValue(char32_t digit)
{
    if (digit >= U'0' && digit <= U'9') {
        return static_cast<int>(digit - U'0');
    }
    if (digit >= U'A' && digit <= U'F') {
        return static_cast<int>(digit - U'A') + 10;
    }
    if (digit >= U'a' && digit <= U'f') {
        return static_cast<int>(digit - U'a') + 10;
    }
    return std::nullopt;
}

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
        text[pos] = static_cast<char>(std::tolower(kUpperHexPairs[byte][0]));
        text[pos + 1] = static_cast<char>(std::tolower(kUpperHexPairs[byte][1]));
    };
    put(0, c.red);
    put(2, c.green);
    put(4, c.blue);
    return text;
}

ColorValue makeColor(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    const auto clamp = [](std::int16_t c) { return std::clamp<ColorValue>(c, 0, 255); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

} // namespace tintara
