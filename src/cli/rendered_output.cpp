#include "cli/rendered_output.h"

#include "engine/utf8.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstring>
#include <utility>

namespace tintara::cli
{

namespace
{

std::string upperHtmlColour(ColorValue colour)
{
    const RgbTriple parts = splitColor(colour);
    std::string text = "#";
    for (const std::int32_t part : {parts.red, parts.green, parts.blue}) {
        text.append(kUpperHexPairs[static_cast<std::size_t>(part)].data(), 2);
    }
    return text;
}

// "0".."255", so a colour code costs no number formatting.
constexpr std::array<std::array<char, 4>, 256> makeDecimals()
{
    std::array<std::array<char, 4>, 256> decimals{};
    for (int i = 0; i < 256; ++i) {
        std::size_t length = 0;
        if (i >= 100) {
            decimals[i][length++] = static_cast<char>('0' + i / 100);
        }
        if (i >= 10) {
            decimals[i][length++] = static_cast<char>('0' + i / 10 % 10);
        }
        decimals[i][length++] = static_cast<char>('0' + i % 10);
        decimals[i][3] = static_cast<char>(length);
    }
    return decimals;
}

constexpr std::array<std::array<char, 4>, 256> kDecimals = makeDecimals();

// The SGR code of the format, written at w: at most kLongestSgr bytes. Returns
// where it ends.
constexpr std::size_t kLongestSgr = 32; // "\x1b[0;1;3;4;9;38;2;255;255;255m" is 31
char *writeSgr(char *w, const TextFormat &format)
{
    std::memcpy(w, "\x1b[0", 3);
    w += 3;
    for (const auto &[on, digit] : {std::pair{format.styles.bold, '1'},
                                    {format.styles.italic, '3'},
                                    {format.styles.underline, '4'},
                                    {format.styles.strike, '9'}}) {
        if (on) {
            *w++ = ';';
            *w++ = digit;
        }
    }
    std::memcpy(w, ";38;2", 5);
    w += 5;
    const RgbTriple parts = splitColor(format.color);
    for (const std::int32_t part : {parts.red, parts.green, parts.blue}) {
        const auto &decimal = kDecimals[static_cast<std::size_t>(part)];
        *w++ = ';';
        std::memcpy(w, decimal.data(), 4); // the digits and, past them, their count
        w += decimal[3];
    }
    *w++ = 'm';
    return w;
}

// Whether the byte at i shows as it is: not a C0 control other than tab and line
// feed, not DEL, and not the start of a C1 control (U+0080..U+009F).
bool showsAsItIs(std::string_view text, std::size_t i)
{
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20) {
        return byte == '\t' || byte == '\n';
    }
    return byte != 0x7F &&
           !(byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0);
}

} // namespace

void RunsJsonWriter::add(std::string_view text, const TextFormat &format)
{
    if (inRun_ && format != format_) {
        finish();
    }
    if (!inRun_) {
        out_ += "{\"text\":\"";
        inRun_ = true;
        format_ = format;
    }
    const std::string quoted = nlohmann::json(text).dump();
    out_.append(quoted, 1, quoted.size() - 2);
}

void RunsJsonWriter::finish()
{
    if (!inRun_) {
        return;
    }
    const nlohmann::ordered_json rest = {
        {"font", format_.font},
        {"size", format_.sizePoints},
        {"bold", format_.styles.bold},
        {"italic", format_.styles.italic},
        {"underline", format_.styles.underline},
        {"strike", format_.styles.strike},
        {"color", upperHtmlColour(format_.color)},
    };
    out_ += "\",";
    out_ += std::string_view(rest.dump()).substr(1); // the other members, after its "{"
    out_ += '\n';
    inRun_ = false;
}

AnsiWriter::~AnsiWriter()
{
    flushStaged();
}

void AnsiWriter::add(std::string_view text, const TextFormat &format)
{
    // The colour first: in a fade it changes with nearly every character.
    if (!started_ || format.color != format_.color || format != format_) {
        makeRoom(kLongestSgr);
        staged_ = writeSgr(staged_, format);
        format_ = format;
        started_ = true;
    }
    if (text.size() == 1 && showsAsItIs(text, 0)) { // a fade's usual character
        makeRoom(1);
        *staged_++ = text.front();
        return;
    }
    // Valid UTF-8, with C0 controls shown as their control pictures (ESC as
    // U+241B), DEL as U+2421, and C1 controls, which some terminals obey, as U+FFFD.
    std::size_t plain = 0; // where the bytes that pass unchanged begin
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (showsAsItIs(text, i)) {
            continue;
        }
        stage(text.substr(plain, i - plain));
        const auto byte = static_cast<unsigned char>(text[i]);
        std::string shown;
        if (byte == 0xC2) {
            appendUtf8(shown, kReplacementCharacter);
            ++i;
        } else {
            appendUtf8(shown, byte == 0x7F ? U'\u2421' : U'\u2400' + byte);
        }
        stage(shown);
        plain = i + 1;
    }
    stage(text.substr(plain));
}

void AnsiWriter::finish()
{
    if (started_) {
        stage("\x1b[0m");
    }
    flushStaged();
}

void AnsiWriter::stage(std::string_view bytes)
{
    if (bytes.size() > kStageSize / 2) {
        flushStaged();
        out_.append(bytes);
        return;
    }
    makeRoom(bytes.size());
    std::memcpy(staged_, bytes.data(), bytes.size());
    staged_ += bytes.size();
}

void AnsiWriter::makeRoom(std::size_t bytes)
{
    if (static_cast<std::size_t>(stage_.data() + stage_.size() - staged_) < bytes) {
        flushStaged();
    }
}

void AnsiWriter::flushStaged()
{
    out_.append(stage_.data(), static_cast<std::size_t>(staged_ - stage_.data()));
    staged_ = stage_.data();
}

} // namespace tintara::cli
