#pragma once

#include "cli/options.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintara::cli
{

// --check-contrast: the warning for one faded line, or nothing when every
// character reaches the ratio (or no check was asked for). It says how many
// characters fall short and which is the lowest, the character shown as
// itself only when it is printable ASCII. lineNumber 0 is the TEXT argument.
std::optional<std::string> contrastWarning(const Options &options, std::string_view line,
                                           std::size_t lineNumber);

} // namespace tintara::cli
