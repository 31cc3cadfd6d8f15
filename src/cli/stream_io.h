#pragma once

#include <cstddef>

namespace tintara::cli
{

// The system's side of the standard streams; io.cpp builds on it.

// Up to `size` bytes, at least one unless the input has ended. A stream set
// not to block is waited for. Throws IoError.
std::size_t readSome(int fd, char *data, std::size_t size);

// Writes some of the bytes, at least one, waiting for a stream set not to
// block. Throws IoError.
std::size_t writeSome(int fd, const char *data, std::size_t size);

// Asks for a pipe buffer of `size` bytes, where the system can; refusal is harmless.
void widenPipe(int fd, std::size_t size);

} // namespace tintara::cli
