#include "engine/ini_profile.h"

#include "engine/ascii_case.h"
#include "engine/file_replace.h"

#include <algorithm>
#include <optional>

namespace tintara
{

namespace
{

constexpr std::string_view kLineEnd = "\r\n";
// Some editors start a file with a UTF-8 byte order mark; it is no part of the
// first line, and as no line starts before it, saving keeps it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, equalIgnoringAsciiCase);
}

// One line of the text: its content without the line end, and where the next
// line starts (the end of the text for a last line without a line end).
struct Line {
    std::size_t begin;
    std::string_view content;
    std::size_t next;
};

std::optional<Line> lineAt(std::string_view text, std::size_t begin)
{
    if (begin == 0 && text.starts_with(kByteOrderMark)) {
        begin = kByteOrderMark.size();
    }
    if (begin >= text.size()) {
        return std::nullopt;
    }
    const std::size_t newline = text.find('\n', begin);
    const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
    std::string_view content = text.substr(begin, next - begin);
    if (content.ends_with('\n')) {
        content.remove_suffix(1);
    }
    if (content.ends_with('\r')) {
        content.remove_suffix(1);
    }
    return Line{begin, content, next};
}

// The name of a "[name]" line (blanks around the brackets and the name are
// allowed; a missing "]" closes the name at the line end), or nothing.
std::optional<std::string_view> sectionName(std::string_view content)
{
    content = trimmed(content);
    if (!content.starts_with('[')) {
        return std::nullopt;
    }
    content.remove_prefix(1);
    return trimmed(content.substr(0, content.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view content)
{
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trimmed(content.substr(0, equals)), trimmed(content.substr(equals + 1))};
}

// Where a key is, or would go, in a text.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<Line> keyLine;
    // After the section's last non-blank line: where a missing key goes.
    std::size_t sectionEnd = 0;
    std::string_view sectionEndMissing; // what the section's last line lacks of a line end
};

// What text needs so that its last line ends: nothing after "\n" (or in a
// text without lines), "\n" after a lone "\r", a whole line end otherwise. A
// "\r" left alone would turn into part of the line when read back.
std::string_view missingLineEnd(std::string_view text)
{
    if (text.empty() || text == kByteOrderMark || text.ends_with('\n')) {
        return {};
    }
    return text.ends_with('\r') ? std::string_view("\n") : kLineEnd;
}

KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inSection = false;
    for (auto line = lineAt(text, 0); line; line = lineAt(text, line->next)) {
        if (const auto name = sectionName(line->content)) {
            if (inSection) {
                break;
            }
            inSection = sameIgnoringCase(*name, section);
            place.sectionFound = inSection;
        } else if (!inSection) {
            continue;
        } else if (const auto entry = keyLine(line->content);
                   entry && sameIgnoringCase(entry->key, key)) {
            place.keyLine = line;
            return place;
        }
        if (inSection && !trimmed(line->content).empty()) {
            place.sectionEnd = line->next;
            place.sectionEndMissing = missingLineEnd(text.substr(0, line->next));
        }
    }
    return place;
}

std::string storedLine(std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    std::ranges::transform(key, std::back_inserter(line), asciiUpper<char>);
    line += '=';
    line += value;
    line += kLineEnd;
    return line;
}

} // namespace

std::string iniValue(std::string_view fileText, std::string_view section, std::string_view key)
{
    const KeyPlace place = findKey(fileText, section, key);
    if (!place.keyLine) {
        return {};
    }
    const std::string_view value = keyLine(place.keyLine->content)->value;
    return std::string(value.substr(0, kMaxIniValueLength));
}

void setIniValue(std::string &fileText, std::string_view section, std::string_view key,
                 std::string_view value)
{
    const KeyPlace place = findKey(fileText, section, key);
    if (place.keyLine) {
        fileText.replace(place.keyLine->begin, place.keyLine->next - place.keyLine->begin,
                         storedLine(key, value));
    } else if (place.sectionFound) {
        std::string inserted(place.sectionEndMissing);
        inserted += storedLine(key, value);
        fileText.insert(place.sectionEnd, inserted);
    } else {
        fileText += missingLineEnd(fileText);
        fileText += '[';
        fileText += section;
        fileText += ']';
        fileText += kLineEnd;
        fileText += storedLine(key, value);
    }
}

void setIniValues(std::string &fileText, std::span<const IniEntry> entries)
{
    for (const IniEntry &entry : entries) {
        setIniValue(fileText, entry.section, entry.key, entry.value);
    }
}

std::string readIniValue(std::string_view section, std::string_view key, const std::string &path)
{
    try {
        const auto text = readFileIfExists(path);
        return text ? iniValue(*text, section, key) : std::string();
    } catch (const FileError &) {
        return {};
    }
}

void writeIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::string &path)
{
    const IniEntry entry{std::string(section), std::string(key), std::string(value)};
    writeIniValues({&entry, 1}, path);
}

void writeIniValues(std::span<const IniEntry> entries, const std::string &path)
{
    std::string text;
    try {
        text = readFileIfExists(path).value_or(std::string());
    } catch (const FileError &error) {
        // The old file is read only to keep its other lines; what fails is the save.
        throw FileError("cannot save", path, error.reason());
    }
    setIniValues(text, entries);
    replaceFile(path, text);
}

} // namespace tintara
