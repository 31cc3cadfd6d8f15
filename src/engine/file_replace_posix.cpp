#include "engine/file_replace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tintara
{

namespace
{

namespace fs = std::filesystem;

FileError failure(std::string_view what, const std::string &path, int error)
{
    return FileError(what, path, std::strerror(error));
}

// Closes the descriptor and removes the unfinished file unless released.
class PendingFile
{
public:
    PendingFile(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;
    ~PendingFile()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        if (!m_path.empty()) {
            ::unlink(m_path.c_str());
        }
    }

    int fd() const { return m_fd; }
    const std::string &path() const { return m_path; }
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }
    void release() { m_path.clear(); }

private:
    int m_fd;
    std::string m_path;
};

// A new, empty file next to `target`, created with O_EXCL so that nothing
// existing is ever reused. Its name is short: the target's own name may
// already be as long as a name can be.
PendingFile createSibling(const fs::path &target, mode_t mode)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    static unsigned counter = 0;
    for (int attempt = 0;; ++attempt) {
        const fs::path candidate = folder / (".tintara-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(++counter) + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            return PendingFile(fd, candidate.string());
        }
        if (errno != EEXIST || attempt == 100) {
            throw failure("cannot create a file next to", target.string(), errno);
        }
    }
}

// Saving through a symbolic link replaces the file it points at, not the link.
fs::path followLinks(fs::path path)
{
    std::error_code error;
    for (int depth = 0; depth < 40 && fs::is_symlink(path, error); ++depth) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

void writeAll(const PendingFile &file, std::string_view contents, const std::string &shownPath)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(file.fd(), contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw failure("cannot write", shownPath, errno);
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The rename is only durable once the folder's entry is on disk too; a
// failure here cannot undo the replacement, so it is not reported.
void syncFolder(const fs::path &target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<std::string> readFileIfExists(const std::string &path, FileKinds kinds)
{
    // For regular files only, opened without waiting, so that a named pipe
    // cannot block us before it is turned away below.
    const bool regularOnly = kinds == FileKinds::RegularOnly;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw failure("cannot open", path, errno);
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) ||
        (regularOnly && !S_ISREG(info.st_mode))) {
        ::close(fd);
        if (S_ISDIR(info.st_mode)) {
            throw failure("cannot read", path, EISDIR);
        }
        throw FileError("cannot read", path, "not a regular file");
    }
    std::string text;
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw failure("cannot read", path, error);
        }
        if (got == 0) {
            break;
        }
        if (text.size() + static_cast<std::size_t>(got) > kMaxReadSize) {
            ::close(fd);
            throw FileError("cannot read", path,
                            "larger than " + std::to_string(kMaxReadSize >> 20) + " MiB");
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

void replaceFile(const std::string &path, std::string_view contents)
{
    const fs::path target = followLinks(path);
    struct stat old {
    };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        throw failure("cannot save", path, errno);
    }
    if (exists && S_ISDIR(old.st_mode)) {
        throw failure("cannot save", path, EISDIR);
    }
    if (exists && !S_ISREG(old.st_mode)) {
        throw FileError("cannot save", path, "not a regular file");
    }
    if (exists && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        throw FileError("cannot save", path, "the file is read-only");
    }

    PendingFile file = createSibling(target, exists ? (old.st_mode & 07777) : 0666);
    if (exists) {
        // The creation mode was narrowed by the umask; the replaced file had
        // its own permissions and owner, which the new one takes over.
        ::fchmod(file.fd(), old.st_mode & 07777);
        [[maybe_unused]] const int owned = ::fchown(file.fd(), old.st_uid, old.st_gid);
    }
    writeAll(file, contents, path);
    if (::fsync(file.fd()) != 0) {
        throw failure("cannot write", path, errno);
    }
    if (file.close() != 0) {
        throw failure("cannot write", path, errno);
    }
    if (::rename(file.path().c_str(), target.c_str()) != 0) {
        throw failure("cannot save", path, errno);
    }
    file.release();
    syncFolder(target);
}

} // namespace tintara
