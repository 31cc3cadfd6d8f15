#include "engine/file_replace.h"

#include "engine/wide_path.h"

#include <system_error>
#include <windows.h>

namespace tintara
{

namespace
{

FileError failure(std::string_view what, const std::string &path, DWORD error)
{
    return FileError(what, path, std::system_category().message(static_cast<int>(error)));
}

// Closes the handle and deletes the unfinished file unless released.
class PendingFile
{
public:
    PendingFile(HANDLE handle, std::wstring path) : handle_(handle), path_(std::move(path)) {}
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;
    ~PendingFile()
    {
        close();
        if (!path_.empty()) {
            DeleteFileW(path_.c_str());
        }
    }

    HANDLE handle() const { return handle_; }
    const std::wstring &path() const { return path_; }
    bool close()
    {
        const bool closed = handle_ == INVALID_HANDLE_VALUE || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }
    void release() { path_.clear(); }

private:
    HANDLE handle_;
    std::wstring path_;
};

std::wstring folderOf(const std::wstring &path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

// A new, empty file in the target's folder. The name is short, so that a
// target whose own name is as long as the system allows can still be saved.
PendingFile createSibling(const std::wstring &target, const std::string &shownPath)
{
    const std::wstring folder = folderOf(target);
    const std::wstring separator =
        folder.back() == L'\\' || folder.back() == L'/' ? std::wstring() : std::wstring(L"\\");
    static unsigned counter = 0;
    for (int attempt = 0;; ++attempt) {
        const std::wstring candidate = folder + separator + L".tintara-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(++counter) + L".tmp";
        const HANDLE handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            return PendingFile(handle, candidate);
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS || attempt == 100) {
            throw failure("cannot create a file next to", shownPath, error);
        }
    }
}

} // namespace

std::optional<std::string> readFileIfExists(const std::string &path, FileKinds kinds)
{
    const std::wstring wide = widePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::nullopt;
        }
        throw failure("cannot open", path, error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw FileError("cannot read", path, "it is a folder");
    }
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw failure("cannot open", path, GetLastError());
    }
    PendingFile file(handle, std::wstring());
    if (GetFileType(handle) != FILE_TYPE_DISK && kinds == FileKinds::RegularOnly) {
        throw FileError("cannot read", path, "not a regular file");
    }
    std::string text;
    char buffer[65536];
    while (true) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE) {
                break; // a pipe's writer has finished
            }
            throw failure("cannot read", path, GetLastError());
        }
        if (got == 0) {
            break;
        }
        if (text.size() + got > kMaxReadSize) {
            throw FileError("cannot read", path,
                            "larger than " + std::to_string(kMaxReadSize >> 20) + " MiB");
        }
        text.append(buffer, got);
    }
    return text;
}

void replaceFile(const std::string &path, std::string_view contents)
{
    const std::wstring target = widePath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND) {
        throw failure("cannot save", path, GetLastError());
    }
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw FileError("cannot save", path, "it is a folder");
    }
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw FileError("cannot save", path, "the file is read-only");
    }

    PendingFile file = createSibling(target, path);
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.handle(), contents.data(), chunk, &written, nullptr)) {
            throw failure("cannot write", path, GetLastError());
        }
        contents.remove_prefix(written);
    }
    if (!FlushFileBuffers(file.handle())) {
        throw failure("cannot write", path, GetLastError());
    }
    if (!file.close()) {
        throw failure("cannot write", path, GetLastError());
    }
    // ReplaceFileW keeps the old file's attributes, security and creation
    // time; a new file is simply moved into place.
    const bool replaced =
        exists ? ReplaceFileW(target.c_str(), file.path().c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
               : MoveFileExW(file.path().c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
        throw failure("cannot save", path, GetLastError());
    }
    file.release();
}

} // namespace tintara
