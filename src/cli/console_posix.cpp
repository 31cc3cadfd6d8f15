#include "cli/console.h"

namespace tintara::cli
{

std::vector<std::string> prepareConsole(int argc, char **argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void enableTerminalEscapes() {}

} // namespace tintara::cli
