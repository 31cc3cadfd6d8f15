#include "cli/stream_io.h"

#include "cli/io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace tintara::cli
{

namespace
{

// A parent may hand us streams set not to block; we wait rather than fail.
void waitUntilReady(int fd, short events)
{
    pollfd ready{fd, events, 0};
    while (::poll(&ready, 1, -1) < 0 && errno == EINTR) {
    }
}

} // namespace

std::size_t readSome(int fd, char *data, std::size_t size)
{
    while (true) {
        const ssize_t got = ::read(fd, data, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            waitUntilReady(fd, POLLIN);
        } else if (errno != EINTR) {
            throw IoError(std::string("cannot read the input: ") + std::strerror(errno));
        }
    }
}

std::size_t writeSome(int fd, const char *data, std::size_t size)
{
    while (true) {
        const ssize_t written = ::write(fd, data, size);
        if (written >= 0) {
            return static_cast<std::size_t>(written);
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            waitUntilReady(fd, POLLOUT);
        } else if (errno != EINTR) {
            throw IoError(std::string("cannot write the output: ") + std::strerror(errno));
        }
    }
}

void widenPipe([[maybe_unused]] int fd, [[maybe_unused]] std::size_t size)
{
#ifdef F_SETPIPE_SZ // Linux only
    fcntl(fd, F_SETPIPE_SZ, static_cast<int>(size));
#endif
}

} // namespace tintara::cli
