#include "cli/io.h"

#include "cli/stream_io.h"

#include <cstring>

namespace tintara::cli
{

namespace
{

constexpr std::size_t kChunk = 1 << 20;

// Appends up to one chunk of input to `text`; false when the input has ended.
bool readMore(int fd, std::string &text)
{
    const std::size_t old = text.size();
    text.resize(old + kChunk);
    const std::size_t got = readSome(fd, text.data() + old, kChunk);
    text.resize(old + got);
    return got > 0;
}

} // namespace

Output::Output(int fd) : fd_(fd)
{
    buffer_.reserve(kFlushSize);
    // A pipe as large as one flush lets each block go across in one step
    // instead of many small hand-overs to the reader.
    widenPipe(fd, kFlushSize);
}

Output::~Output()
{
    try {
        flush();
    } catch (const IoError &) {
        // Already reported by the explicit flush at the end of a normal run.
    }
}

void Output::flushIfFull()
{
    if (buffer_.size() >= kFlushSize) {
        flush();
    }
}

void Output::flush()
{
    const char *p = buffer_.data();
    std::size_t left = buffer_.size();
    try {
        while (left > 0) {
            const std::size_t written = writeSome(fd_, p, left);
            p += written;
            left -= written;
        }
    } catch (const IoError &) {
        buffer_.clear();
        throw;
    }
    buffer_.clear();
    if (buffer_.capacity() > 4 * kFlushSize) {
        // One huge line should not keep its memory for the rest of the run.
        std::string().swap(buffer_);
        buffer_.reserve(kFlushSize);
    }
}

void forEachLine(int fd, const std::function<void(std::string_view)> &onLine,
                 const std::function<void(std::string_view)> &onPartialLine,
                 const std::function<void()> &beforeWait)
{
    std::string pending;
    std::size_t scanned = 0; // bytes of pending known to hold no line end
    while (true) {
        beforeWait();
        if (!readMore(fd, pending)) {
            if (!pending.empty()) {
                onLine(pending);
            }
            return;
        }

        std::size_t lineStart = 0;
        std::size_t pos = scanned;
        while (true) {
            const void *nl = std::memchr(pending.data() + pos, '\n', pending.size() - pos);
            if (nl == nullptr) {
                break;
            }
            const auto end =
                static_cast<std::size_t>(static_cast<const char *>(nl) - pending.data());
            std::size_t lineEnd = end;
            if (lineEnd > lineStart && pending[lineEnd - 1] == '\r') {
                --lineEnd;
            }
            onLine(std::string_view(pending).substr(lineStart, lineEnd - lineStart));
            lineStart = end + 1;
            pos = lineStart;
        }
        pending.erase(0, lineStart);
        scanned = pending.size();
        std::string_view partial = pending;
        if (partial.ends_with('\r')) {
            partial.remove_suffix(1);
        }
        if (!partial.empty()) {
            onPartialLine(partial);
        }
    }
}

void forEachPieceLessFinalLineEnd(int fd, const std::function<void(std::string_view)> &onPiece)
{
    std::string piece;
    while (readMore(fd, piece)) {
        // A line end at the end may be the final one: it waits for what follows.
        std::size_t held = piece.ends_with('\n') ? 1 : 0;
        if (piece.size() > held && piece[piece.size() - held - 1] == '\r') {
            ++held;
        }
        onPiece(std::string_view(piece).substr(0, piece.size() - held));
        piece.erase(0, piece.size() - held);
    }
    if (piece.ends_with('\n')) {
        piece.pop_back();
        if (piece.ends_with('\r')) {
            piece.pop_back();
        }
    }
    if (!piece.empty()) {
        onPiece(piece);
    }
}

} // namespace tintara::cli
