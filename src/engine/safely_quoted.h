#pragma once

#include <string>
#include <string_view>

namespace tintara
{

// Untrusted bytes (a file name, a value from a file, a command-line argument)
// in single quotes, fit for a message on a terminal: printable UTF-8 stays as
// it is; control characters (C0, DEL and C1) and bytes that are not
// well-formed UTF-8 become visible escapes, so they can neither drive the
// terminal nor hide: "\0", "\t", "\n", "\r", "\\", "\'" and "\xHH" for each
// other such byte ("\x1b" for ESC, "\xc2\x9b" for the C1 CSI).
std::string safelyQuoted(std::string_view bytes);

} // namespace tintara
