#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tintara
{

// INI-style profile files: "[section]" lines, then "KEY=value" lines.
// Sections and keys match without regard to (ASCII) case; within the first
// section of a name, the first line of a key counts. Lines end in "\r\n" or
// "\n" when read and are written with "\r\n". A UTF-8 byte order mark at the
// start of the text is read past and kept.

// The longest value a lookup gives; longer values are cut to this length.
inline constexpr std::size_t kMaxIniValueLength = 254;

// The value of the key in the section, blanks around it removed and cut to
// kMaxIniValueLength; the empty text when the section or key is missing.
std::string iniValue(std::string_view fileText, std::string_view section, std::string_view key);

// Sets the key (stored upper-cased) to the value in `fileText`: an existing
// key's line is replaced, a missing key goes after the last line of its
// section, a missing section is appended at the end. Every other line stays
// as it was. Section, key and value must not hold line breaks.
void setIniValue(std::string &fileText, std::string_view section, std::string_view key,
                 std::string_view value);

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// The entries applied one after the other by setIniValue.
void setIniValues(std::string &fileText, std::span<const IniEntry> entries);

// The file-based forms. Reading never fails: a missing or unreadable file
// gives the empty text. Writing updates the file's text in memory and then
// replaces the file whole (see replaceFile), creating it when missing; it
// throws FileError (a failed save, whether reading or replacing the file
// failed), and the file is then unchanged.
std::string readIniValue(std::string_view section, std::string_view key, const std::string &path);
void writeIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::string &path);
void writeIniValues(std::span<const IniEntry> entries, const std::string &path);

} // namespace tintara
