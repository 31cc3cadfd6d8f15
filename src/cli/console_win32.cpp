#include "cli/console.h"

#include "engine/wide_path.h"

#include <fcntl.h>
#include <io.h>
// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>

namespace tintara::cli
{

std::vector<std::string> prepareConsole(int argc, char **argv)
{
    for (const int fd : {0, 1, 2}) {
        _setmode(fd, _O_BINARY);
    }
    // The C runtime's argv is in the ANSI code page, which cannot hold most of
    // what a user may type; the wide command line holds it all.
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        args.push_back(utf8FromWide(wide[i]));
    }
    LocalFree(wide);
    return args;
}

void enableTerminalEscapes()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (out != INVALID_HANDLE_VALUE && GetConsoleMode(out, &mode)) {
        SetConsoleMode(out, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
}

} // namespace tintara::cli
