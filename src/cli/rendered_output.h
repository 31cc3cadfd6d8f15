#pragma once

#include "engine/coded_text_renderer.h"

#include <array>
#include <string>
#include <string_view>

namespace tintara::cli
{

// Rendered text, given piece by piece as a CodedTextRenderer hands it on, written
// into `out` as it comes, so text of any length streams through.

// One JSON object per run of same-format characters, each on a line of its own:
// {"text":"…","font":"Arial","size":10,"bold":false,"italic":false,
//  "underline":false,"strike":false,"color":"#RRGGBB"}, the colour in upper case.
class RunsJsonWriter
{
public:
    explicit RunsJsonWriter(std::string &out) : out_(out) {}

    void add(std::string_view text, const TextFormat &format);
    // Ends the last run.
    void finish();

private:
    std::string &out_;
    bool inRun_ = false;
    TextFormat format_;
};

// The text as it looks on a terminal with 24-bit colour: SGR codes for colour,
// bold, italic, underline and strike where the format changes, a reset at the
// end; fonts and sizes are not shown. Control characters other than tab and
// line feed appear as visible symbols, so coded text cannot drive the terminal.
// No line end is added. The codes are gathered in a block of their own, as a
// fade needs one for nearly every character, and go into `out` block by block
// and at the end.
class AnsiWriter
{
public:
    explicit AnsiWriter(std::string &out) : out_(out) {}
    AnsiWriter(const AnsiWriter &) = delete;
    AnsiWriter &operator=(const AnsiWriter &) = delete;
    ~AnsiWriter();

    void add(std::string_view text, const TextFormat &format);
    // Resets the terminal's format after any text, and puts all into `out`.
    void finish();

private:
    static constexpr std::size_t kStageSize = 16 << 10;

    void stage(std::string_view bytes);
    void makeRoom(std::size_t bytes);
    void flushStaged();

    std::string &out_;
    std::array<char, kStageSize> stage_;
    char *staged_ = stage_.data(); // where the next byte goes
    bool started_ = false;
    TextFormat format_;
};

} // namespace tintara::cli
