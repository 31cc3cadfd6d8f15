#pragma once

#include <string>
#include <string_view>

namespace tintara
{

// Windows only: names and arguments travel through the program as UTF-8 and
// meet the system as UTF-16. Invalid input becomes U+FFFD rather than failing.
std::wstring widePath(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

} // namespace tintara
