#include "cli/fade_set_options.h"

#include "engine/fade_set.h"
#include "engine/file_replace.h"

#include <algorithm>

namespace tintara::cli
{

void useFadeSet(Options &options, const std::string &path)
{
    // Unlike the desktop program, the tool may wait for a pipe: --set /dev/stdin
    // and process substitutions work.
    const FadeSetReading reading = readFadeSet(readWholeFile(path, FileKinds::StreamsToo));
    if (!reading.fadeSet) {
        throw FileError("cannot use the fade set", path, reading.error);
    }
    if (reading.unknownBlend) {
        throw FileError("cannot use the fade set", path,
                        "it names a blend this program does not know (BLEND in [fblend]): "
                        "it takes rgb, oklab or oklch");
    }
    const FadeSet &set = *reading.fadeSet;
    options.colours.assign(set.palette.begin(), set.palette.begin() + set.colourCount);
    for (const StyleEntry &entry : kStyles) {
        options.styles.*entry.flag = options.styles.*entry.flag || set.styles.*entry.flag;
    }
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
