// The fade of 3000 characters with 10 colours next to a memcpy of its
// 84,000-byte result: the fade should cost at most 10 times the copy.
#include "engine/fade.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace tintara;

namespace
{

constexpr double kTarget = 10.0;

const std::vector<ColorValue> kTenColours{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF,
                                          0xFF00FF, 0x000000, 0xFFFFFF, 0x808080, 0x123456};

std::string sampleText()
{
    const std::string sentence = "The quick brown fox jumps over the lazy dog. ";
    std::string text;
    while (text.size() < 3000) {
        text += sentence;
    }
    return text.substr(0, 3000);
}

void BM_Fade3000CharactersTenColours(benchmark::State &state)
{
    const std::string text = sampleText();
    for (auto _ : state) {
        std::string coded = fadeColors(kTenColours, text);
        benchmark::DoNotOptimize(coded.data());
    }
}

void BM_MemcpyOfTheResult(benchmark::State &state)
{
    const std::string result = fadeColors(kTenColours, sampleText());
    std::vector<char> target(result.size());
    for (auto _ : state) {
        std::memcpy(target.data(), result.data(), result.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_Fade3000CharactersTenColours);
BENCHMARK(BM_MemcpyOfTheResult);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_Fade3000CharactersTenColours", "BM_MemcpyOfTheResult",
                        "fade of 3000 characters, 10 colours / memcpy of its 84,000 bytes",
                        kTarget);
    benchmark::Shutdown();
    return 0;
}
