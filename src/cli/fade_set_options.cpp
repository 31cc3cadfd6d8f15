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
    const FadeSet &set = *reading.fadeSet;
    options.colours.assign(set.palette.begin(), set.palette.begin() + set.colourCount);
    options.styles.bold = options.styles.bold || set.styles.bold;
    options.styles.italic = options.styles.italic || set.styles.italic;
    options.styles.strike = options.styles.strike || set.styles.strike;
    options.styles.underline = options.styles.underline || set.styles.underline;
}

void saveFadeSet(const Options &options, const std::string &path)
{
    FadeSet set;
    set.colourCount = static_cast<int>(options.colours.size());
    std::ranges::copy(options.colours, set.palette.begin());
    set.styles = options.styles;
    saveFadeSetFile(set, path);
}

} // namespace tintara::cli
