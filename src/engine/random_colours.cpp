#include "engine/random_colours.h"

#include <cmath>

namespace tintara
{

double FixedStartRandom::next()
{
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    // The top 53 bits fill a double's mantissa exactly, so r never reaches 1.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

Palette drawRandomPalette(RandomSource &random)
{
    std::array<std::array<std::int16_t, kSlotCount>, 3> components{};
    for (auto &component : components) {
        for (auto &value : component) {
            // nearbyint rounds halves to even in the default rounding mode.
            value = static_cast<std::int16_t>(std::nearbyint(random.next() * 255.0));
        }
    }
    Palette palette;
    for (int k = 0; k < kSlotCount; ++k) {
        palette[k] = makeColor(components[0][k], components[1][k], components[2][k]);
    }
    return palette;
}

} // namespace tintara
