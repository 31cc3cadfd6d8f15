#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tintara
{

// A colour is red + 256 * green + 65536 * blue, each component 0..255, red in
// the lowest byte (0x00BBGGRR). Palette slots always hold values in 0..0xFFFFFF.
using ColorValue = std::int32_t;

inline constexpr ColorValue kWhite = 0xFFFFFF;

struct RgbTriple {
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;

    friend bool operator==(const RgbTriple &, const RgbTriple &) = default;
};

// Upper-case hexadecimal, zero-padded to six digits; longer values (and
// negative ones, as 32-bit two's complement) come back unpadded and whole.
std::string hex6(std::int32_t value);

// Six lower-case digits, red first, as an HTML colour: 255 gives "ff0000".
std::string htmlHex(ColorValue colour);

RgbTriple splitColor(ColorValue colour);

// Components above 255 count as 255; negative ones (only a hand-edited fade
// set can supply them) count as 0.
ColorValue makeColor(std::int16_t red, std::int16_t green, std::int16_t blue);

// The components a fade reads from a colour: the last two hexadecimal digits
// of hex6(colour) are red, the third and fourth green, the first two blue.
// For every colour in 0..0xFFFFFF this equals splitColor.
RgbTriple fadeComponents(ColorValue colour);

// "00".."FF" (and "00".."ff") for each byte value, so hot loops can write
// digits by table.
extern const std::array<std::array<char, 2>, 256> kUpperHexPairs;
extern const std::array<std::array<char, 2>, 256> kLowerHexPairs;

} // namespace tintara
