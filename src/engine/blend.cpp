#include "engine/blend.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tintara
{

namespace
{

// Below this chroma a colour is taken as grey, and its hue as meaningless.
constexpr double kGreyChroma = 0.0001;

const std::array<double, 256> kLinearLight = [] {
    std::array<double, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const double encoded = c / 255.0;
        table[c] = encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
    }
    return table;
}();

int encodedComponent(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    const double encoded =
        linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::nearbyint(encoded * 255.0));
}

double mix(double from, double to, double t)
{
    return from + t * (to - from);
}

} // namespace

std::string_view blendName(Blend blend)
{
    switch (blend) {
    case Blend::OkLab:
        return "oklab";
    case Blend::OkLch:
        return "oklch";
    case Blend::Rgb:
        break;
    }
    return "rgb";
}

std::optional<Blend> parseBlend(std::string_view name)
{
    for (const Blend blend : {Blend::Rgb, Blend::OkLab, Blend::OkLch}) {
        if (name == blendName(blend)) {
            return blend;
        }
    }
    return std::nullopt;
}

double linearLight(int component)
{
    return kLinearLight[static_cast<std::size_t>(std::clamp(component, 0, 255))];
}

// The matrices are those Björn Ottosson published for linear sRGB.
OkLab toOkLab(const RgbTriple &colour)
{
    const double r = linearLight(colour.red);
    const double g = linearLight(colour.green);
    const double b = linearLight(colour.blue);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

RgbTriple fromOkLab(const OkLab &colour)
{
    const double l = colour.lightness + 0.3963377774 * colour.a + 0.2158037573 * colour.b;
    const double m = colour.lightness - 0.1055613458 * colour.a - 0.0638541728 * colour.b;
    const double s = colour.lightness - 0.0894841775 * colour.a - 1.2914855480 * colour.b;
    const double l3 = l * l * l;
    const double m3 = m * m * m;
    const double s3 = s * s * s;
    return {encodedComponent(4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3),
            encodedComponent(-1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3),
            encodedComponent(-0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3)};
}

PerceptualMix::PerceptualMix(const RgbTriple &from, const RgbTriple &to, Blend blend)
    : to_(to), blend_(blend), fromLab_(toOkLab(from)), toLab_(toOkLab(to))
{
    if (blend_ != Blend::OkLch) {
        return;
    }
    fromChroma_ = std::hypot(fromLab_.a, fromLab_.b);
    toChroma_ = std::hypot(toLab_.a, toLab_.b);
    double fromHue = std::atan2(fromLab_.b, fromLab_.a);
    double toHue = std::atan2(toLab_.b, toLab_.a);
    // A grey has no hue of its own: it takes the other end's, so the mix only
    // gains or loses chroma instead of swinging through unrelated hues.
    if (fromChroma_ < kGreyChroma) {
        fromHue = toHue;
    } else if (toChroma_ < kGreyChroma) {
        toHue = fromHue;
    }
    double step = toHue - fromHue;
    if (step > std::numbers::pi) {
        step -= 2 * std::numbers::pi;
    } else if (step < -std::numbers::pi) {
        step += 2 * std::numbers::pi;
    }
    fromHue_ = fromHue;
    hueStep_ = step;
}

RgbTriple PerceptualMix::at(double t) const
{
    if (t >= 1.0) {
        return to_;
    }
    const double lightness = mix(fromLab_.lightness, toLab_.lightness, t);
    if (blend_ == Blend::OkLab) {
        return fromOkLab({lightness, mix(fromLab_.a, toLab_.a, t), mix(fromLab_.b, toLab_.b, t)});
    }
    const double chroma = mix(fromChroma_, toChroma_, t);
    const double hue = fromHue_ + t * hueStep_;
    return fromOkLab({lightness, chroma * std::cos(hue), chroma * std::sin(hue)});
}

} // namespace tintara
