#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintara::cli
{

class IoError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reading and writing wait for a descriptor that the parent process made
// non-blocking, instead of failing with EAGAIN.

// Buffered output straight to a file descriptor, written in large blocks.
class Output
{
public:
    explicit Output(int fd);
    ~Output();

    std::string &buffer() { return buffer_; }
    void flushIfFull();
    void flush();

private:
    static constexpr std::size_t kFlushSize = 1 << 20;
    int fd_;
    std::string buffer_;
};

// Calls onLine for each line of the file descriptor, without its "\n" or
// "\r\n" (a last line without a line end counts too). Lines are handed on as
// soon as they have arrived, and beforeWait runs each time more input has to
// be waited for, so output keeps pace with interactive input. While a line is
// still arriving, onPartialLine gets what there is of it so far (less a "\r"
// at its end, which may belong to the line end) and may throw to stop
// reading a line that is certain to fail.
void forEachLine(int fd, const std::function<void(std::string_view)> &onLine,
                 const std::function<void(std::string_view)> &onPartialLine,
                 const std::function<void()> &beforeWait);

// Calls onPiece with everything the file descriptor delivers until its end,
// piece by piece as it arrives, less one final "\n" or "\r\n".
void forEachPieceLessFinalLineEnd(int fd, const std::function<void(std::string_view)> &onPiece);

} // namespace tintara::cli
