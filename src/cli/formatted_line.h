#pragma once

#include "cli/options.h"

#include <string>
#include <string_view>

namespace tintara::cli
{

// Appends one faded line, not blank, written as `output` asks, and its line
// end. With --max-length a line whose output (without the line end) is longer
// is an error; with --fit the line takes the smallest step that fits. Errors
// throw FadeError and leave `out` as it was.
void appendFormattedLine(std::string &out, const Options &options, const OutputOptions &output,
                         Blend blend, std::string_view line);

} // namespace tintara::cli
