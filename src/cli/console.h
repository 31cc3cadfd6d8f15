#pragma once

#include <string>
#include <vector>

namespace tintara::cli
{

// Readies the standard streams for a fader that reads and writes UTF-8 bytes
// exactly, and returns the arguments, the program's name first, as UTF-8.
// On Windows the arguments are taken as the system passed them (UTF-16), and
// the streams are kept binary, so a line end stays LF.
std::vector<std::string> prepareConsole(int argc, char **argv);

// Asks the terminal on standard output to obey escape sequences (Windows
// consoles must be told); elsewhere terminals already do.
void enableTerminalEscapes();

} // namespace tintara::cli
