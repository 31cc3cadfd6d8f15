#pragma once

#include "engine/fade_set.h"

#include <cstdint>

namespace tintara
{

// Values r with 0 <= r < 1; the seam through which tests watch the draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The program's generator (SplitMix64). It is never seeded from the clock:
// every run starts in the same state, so repeated use gives the same sequence
// of palettes in every run. Keep one for the whole run.
class FixedStartRandom final : public RandomSource
{
public:
    double next() override;

private:
    std::uint64_t state_ = 0;
};

inline constexpr int kRandomDrawsPerUse = 30;

// One use of random colours: thirty draws, each r * 255 rounded to the nearest
// integer with halves to even; the first ten are the reds of slots 1..10, the
// next ten the greens, the last ten the blues. All thirty are drawn whatever
// the colour count; the caller paints slots 1..count and discards the rest.
Palette drawRandomPalette(RandomSource &random);

} // namespace tintara
