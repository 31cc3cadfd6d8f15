#include "cli/fade_set_options.h"

#include "engine/fade_set.h"
#include "engine/file_replace.h"

#include <algorithm>

namespace tintara::cli
{

void useFadeSet(Options &options, const std::string &path)
{
    const FadeSetReading reading = readFadeSet(readWholeFile(path));
    if (!reading.fadeSet) {
        throw FileError("'" + path + "' is not a usable fade set: " + reading.error);
    }
    if (reading.unknownBlend) {
        throw FileError("'" + path +
                        "' names a blend this program does not know (BLEND in [fblend]): "
                        "it takes rgb, oklab or oklch");
    }
    const FadeSet &set = *reading.fadeSet;
    const FadeStyles &styles = set.styles;
    if (options.output.elementTemplate &&
        (styles.bold || styles.italic || styles.strike || styles.underline)) {
        throw FileError("'" + path + "' has styles, which --template does not write");
    }
    options.colours.assign(set.palette.begin(), set.palette.begin() + set.colourCount);
    options.styles.bold = options.styles.bold || set.styles.bold;
    options.styles.italic = options.styles.italic || set.styles.italic;
    options.styles.strike = options.styles.strike || set.styles.strike;
    options.styles.underline = options.styles.underline || set.styles.underline;
    options.blend = options.blend.value_or(set.blend);
}

void saveFadeSet(const Options &options, const std::string &path)
{
    FadeSet set;
    set.colourCount = static_cast<int>(options.colours.size());
    std::ranges::copy(options.colours, set.palette.begin());
    set.styles = options.styles;
    set.blend = options.blend.value_or(Blend::Rgb);
    saveFadeSetFile(set, path);
}

} // namespace tintara::cli
