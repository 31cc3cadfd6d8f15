#include "cli/stream_io.h"

#include "cli/io.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <io.h>
#include <string>

namespace tintara::cli
{

// The C runtime's streams block, and prepareConsole keeps them binary.

std::size_t readSome(int fd, char *data, std::size_t size)
{
    const int got = ::_read(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
    if (got < 0) {
        throw IoError(std::string("cannot read the input: ") + std::strerror(errno));
    }
    return static_cast<std::size_t>(got);
}

std::size_t writeSome(int fd, const char *data, std::size_t size)
{
    const int written =
        ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
    if (written <= 0) {
        throw IoError(std::string("cannot write the output: ") + std::strerror(errno));
    }
    return static_cast<std::size_t>(written);
}

void widenPipe(int, std::size_t) {}

} // namespace tintara::cli
