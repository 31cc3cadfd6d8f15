#pragma once

#include "cli/options.h"

namespace tintara::cli
{

// --set FILE: the colour count, colours and styles of the fade set replace
// --colors, and the styles given on the command line are added; its blend is
// used unless --blend names one. FILE may also be a pipe or a device, read up
// to the size limit of fade-set files. Anything that would stop the program's
// open command (a file that cannot be read, a bad count, a bad or missing
// component), and a blend this program does not know, throws FileError naming
// the file.
void useFadeSet(Options &options, const std::string &path);

// --save-set FILE: writes --colors (the count is how many there are; slots past
// them are white), the styles and the blend as a fade set under exactly that
// name, keeping the other lines of an existing file. Throws FileError; the file
// is then unchanged.
void saveFadeSet(const Options &options, const std::string &path);

} // namespace tintara::cli
