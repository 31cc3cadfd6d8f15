#pragma once

#include "engine/safely_quoted.h"

#include <cerrno>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace tintara
{

// A file could not be read or saved. The message says what failed, names the
// file (shown safely) and gives the reason, which a caller may pass on.
class FileError : public std::runtime_error
{
public:
    FileError(std::string_view action, std::string_view path, std::string reason)
        : std::runtime_error(std::string(action) + " " + safelyQuoted(path) + ": " + reason),
          reason_(std::move(reason))
    {
    }

    const std::string &reason() const { return reason_; }

private:
    std::string reason_;
};

// What a whole-file read accepts. The desktop program reads regular files
// only, as a device or a named pipe could block it or never end; the
// command-line tool may also read pipes and devices (/dev/stdin, a process
// substitution), which it waits for.
enum class FileKinds { RegularOnly, StreamsToo };

// The whole file, or nothing when it does not exist. Throws FileError when it
// exists but cannot be read (a folder; a file of a kind not accepted; no
// permission; a read error; larger than kMaxReadSize). Files that are read
// whole are kept to a sane size: a fade set is a few hundred bytes. Paths are
// UTF-8 everywhere; on Windows they reach the system as UTF-16.
inline constexpr std::size_t kMaxReadSize = std::size_t{64} << 20;

std::optional<std::string> readFileIfExists(const std::string &path,
                                            FileKinds kinds = FileKinds::RegularOnly);

// The whole file. Throws FileError when it is missing or cannot be read.
inline std::string readWholeFile(const std::string &path, FileKinds kinds = FileKinds::RegularOnly)
{
    if (auto text = readFileIfExists(path, kinds)) {
        return std::move(*text);
    }
    throw FileError("cannot open", path, std::generic_category().message(ENOENT));
}

// Makes `contents` the file's contents, all or nothing: the data goes to a new
// file in the same folder, which is flushed to disk and then renamed over the
// old one, so a failure at any point leaves the old file exactly as it was and
// never a truncated one. The file keeps its permissions (on Windows its
// attributes); a symbolic link keeps pointing at the replaced file. A file without any write
// permission counts as read-only and is refused, even for a user who could override it. Throws
// FileError when the file cannot be replaced.
void replaceFile(const std::string &path, std::string_view contents);

} // namespace tintara
