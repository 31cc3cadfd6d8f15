#include "chat/replace_all_no_case.h"

#include "engine/ascii_case.h"

#include <algorithm>

namespace tintara
{

std::string replaceAllNoCase(std::string_view text, std::string_view find,
                             std::string_view replacement)
{
    if (find.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    auto rest = text.begin();
    for (;;) {
        const auto match =
            std::search(rest, text.end(), find.begin(), find.end(), equalIgnoringAsciiCase);
        result.append(rest, match);
        if (match == text.end()) {
            return result;
        }
        result.append(replacement);
        rest = match + static_cast<std::ptrdiff_t>(find.size());
    }
}

} // namespace tintara
