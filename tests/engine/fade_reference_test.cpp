// Compares the fast fade with a slow, literal reading of the algorithm.
#include "engine/fade.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <random>

using namespace tintara;

namespace
{

int roundEven(double x)
{
    std::fesetround(FE_TONEAREST);
    return static_cast<int>(std::nearbyint(x));
}

// Takes a colour apart by reading pairs of digits of its hex6 text.
void components(ColorValue colour, int out[3])
{
    const std::string t = hex6(colour);
    out[0] = std::stoi(t.substr(t.size() - 2, 2), nullptr, 16);
    out[1] = std::stoi(t.substr(2, 2), nullptr, 16);
    out[2] = std::stoi(t.substr(0, 2), nullptr, 16);
}

std::vector<std::string> referenceSegments(const std::string &text, int n)
{
    const int s = n - 1;
    const auto length = static_cast<long>(text.size());
    std::vector<long> counts(static_cast<std::size_t>(s), 0);
    if (n == 2) {
        counts[0] = length;
    } else if (n == 3) {
        counts[0] = roundEven(static_cast<double>(length) / 2);
        counts[1] = length - counts[0];
    } else {
        long remainder = length;
        bool done = false;
        while (!done) {
            for (int k = 0; k < s && !done; ++k) {
                counts[static_cast<std::size_t>(k)] += 1;
                remainder -= 1;
                done = remainder < 1;
            }
        }
    }
    std::vector<std::string> segments;
    long taken = 0;
    for (long c : counts) {
        const long real = std::min(c, length - taken); // an empty text deals a phantom
        segments.push_back(
            text.substr(static_cast<std::size_t>(taken), static_cast<std::size_t>(real)));
        taken += real;
    }
    return segments;
}

std::string referenceFade(const std::vector<ColorValue> &colours, const std::string &text)
{
    const int n = static_cast<int>(colours.size());
    const auto segments = referenceSegments(text, n);
    std::string out;
    for (int k = 0; k < n - 1; ++k) {
        int a[3], b[3];
        components(colours[static_cast<std::size_t>(k)], a);
        components(colours[static_cast<std::size_t>(k) + 1], b);
        const std::string &seg = segments[static_cast<std::size_t>(k)];
        const auto lk = static_cast<double>(seg.size());
        for (std::size_t i = 1; i <= seg.size(); ++i) {
            int v[3];
            for (int c = 0; c < 3; ++c) {
                v[c] = roundEven(a[c] + static_cast<double>(i) * ((b[c] - a[c]) / lk));
            }
            char code[8];
            std::snprintf(code, sizeof code, "%02X%02X%02X", v[0], v[1], v[2]);
            out += std::string("<Font Color=#") + code + ">" + seg[i - 1] + "</Font>";
        }
    }
    return out;
}

} // namespace

TEST(FadeReference, RandomPalettesAndLengthsAgree)
{
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = 2 + static_cast<int>(random() % 9);
        std::vector<ColorValue> colours;
        for (int c = 0; c < n; ++c) {
            // Mostly palette colours, now and then one out of range.
            colours.push_back(random() % 16 == 0 ? static_cast<ColorValue>(random())
                                                 : static_cast<ColorValue>(random() % 0x1000000));
        }
        const std::size_t length = trial % 10 == 0 ? random() % 3000 : random() % 60;
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back(static_cast<char>(' ' + random() % 95));
        }
        ASSERT_EQ(fadeColors(colours, text), referenceFade(colours, text))
            << "N=" << n << " L=" << length;
    }
}
