#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tintara
{

// A decimal number as text ("5", " -3.5 ", "+12.", ".5"), rounded to the
// nearest integer with halves going to the even neighbour (2.5 gives 2, 3.5
// gives 4). Blanks around it are ignored. Empty text, anything else (other
// notations included) and results outside -32768..32767 give nothing.
std::optional<std::int16_t> parseRoundedInt16(std::string_view text);

} // namespace tintara
