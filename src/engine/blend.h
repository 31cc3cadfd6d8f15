#pragma once

#include "engine/color.h"

#include <optional>
#include <string_view>

namespace tintara
{

// How the colours between a segment's two colours are mixed. Rgb steps the
// red, green and blue values themselves; OkLab and OkLch mix in Björn
// Ottosson's perceptual colour space, so that red to green does not pass
// through brown nor blue to yellow through grey. OkLch mixes lightness, chroma
// and hue, the hue along the shorter way round the colour wheel.
enum class Blend { Rgb, OkLab, OkLch };

// "rgb", "oklab" or "oklch".
std::string_view blendName(Blend blend);

// The blend of exactly that name (lower case, as blendName writes it).
std::optional<Blend> parseBlend(std::string_view name);

// The linear light of an 8-bit sRGB component, 0 to 1.
double linearLight(int component);

// A colour in Ottosson's OkLab space: lightness, and the green-red and
// blue-yellow axes.
struct OkLab {
    double lightness;
    double a;
    double b;
};

OkLab toOkLab(const RgbTriple &colour);

// Back to 8-bit sRGB: each linear channel clipped to 0..1, encoded, scaled to
// 0..255 and rounded half to even.
RgbTriple fromOkLab(const OkLab &colour);

// The perceptual mix of two colours, the endpoints converted once.
class PerceptualMix
{
public:
    // blend is OkLab or OkLch.
    PerceptualMix(const RgbTriple &from, const RgbTriple &to, Blend blend);

    // The colour at t, 0 < t <= 1 of the way from `from` to `to`; t = 1 gives
    // `to` exactly, without a round trip through the colour space.
    RgbTriple at(double t) const;

private:
    RgbTriple to_;
    Blend blend_;
    OkLab fromLab_;
    OkLab toLab_;
    // OkLch: chroma at both ends, the start hue and the signed hue step.
    double fromChroma_ = 0;
    double toChroma_ = 0;
    double fromHue_ = 0;
    double hueStep_ = 0;
};

} // namespace tintara
