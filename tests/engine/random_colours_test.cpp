#include "engine/random_colours.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace tintara;

namespace
{

// Hands out fixed values and counts how many were taken.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    double next() override { return values_.at(taken_++); }
    std::size_t taken() const { return taken_; }

private:
    std::vector<double> values_;
    std::size_t taken_ = 0;
};

} // namespace

TEST(RandomPalette, TakesThirtyDrawsRedsThenGreensThenBlues)
{
    std::vector<double> values(kRandomDrawsPerUse + 5, 0.0);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        values[slot] = 1.0 / 255.0 * slot;        // red = slot number - 1
        values[10 + slot] = 100.0 / 255.0;        // green 100
        values[20 + slot] = (slot + 0.5) / 255.0; // blue: exactly halfway
    }
    ScriptedRandom random(values);
    const Palette palette = drawRandomPalette(random);
    EXPECT_EQ(random.taken(), 30u);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int evenBlue = slot % 2 == 0 ? slot : slot + 1;
        EXPECT_EQ(splitColor(palette[slot]), (RgbTriple{slot, 100, evenBlue})) << slot;
    }
}

TEST(RandomPalette, StaysWithinComponentRangeAtTheEnds)
{
    ScriptedRandom random(std::vector<double>(30, 0.9999999999));
    for (const ColorValue colour : drawRandomPalette(random)) {
        EXPECT_EQ(colour, kWhite);
    }
}

TEST(FixedStartRandom, StartsInTheSameStateEveryTimeAndStaysBelowOne)
{
    FixedStartRandom first;
    FixedStartRandom second;
    std::set<double> seen;
    for (int i = 0; i < 10000; ++i) {
        const double r = first.next();
        ASSERT_EQ(r, second.next());
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        seen.insert(r);
    }
    EXPECT_GT(seen.size(), 9990u);

    FixedStartRandom a;
    FixedStartRandom b;
    drawRandomPalette(a);
    drawRandomPalette(b);
    EXPECT_EQ(drawRandomPalette(a), drawRandomPalette(b));
    EXPECT_NE(drawRandomPalette(a), whitePalette());
}
