#pragma once

#include <string>
#include <string_view>

namespace tintara
{

// `text` with every occurrence of `find` replaced by `replacement`, from left to right and
// without overlaps; ASCII letters match without regard to case. An inserted replacement is
// never searched again, and an empty `find` matches nothing.
std::string replaceAllNoCase(std::string_view text, std::string_view find,
                             std::string_view replacement);

} // namespace tintara
