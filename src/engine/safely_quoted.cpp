#include "engine/safely_quoted.h"

#include "engine/utf8.h"

namespace tintara
{

namespace
{

void appendHexEscapes(std::string &out, std::string_view bytes)
{
    constexpr char kDigits[] = "0123456789abcdef";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

} // namespace

std::string safelyQuoted(std::string_view bytes)
{
    std::string out = "'";
    out.reserve(bytes.size() + 2);
    while (!bytes.empty()) {
        const Utf8Character character = firstCharacter(bytes);
        const std::string_view sequence = bytes.substr(0, character.length);
        bytes.remove_prefix(character.length);
        switch (character.value) { // U+FFFD when ill-formed, which no case matches
        case U'\0':
            out += "\\0";
            continue;
        case U'\t':
            out += "\\t";
            continue;
        case U'\n':
            out += "\\n";
            continue;
        case U'\r':
            out += "\\r";
            continue;
        case U'\\':
            out += "\\\\";
            continue;
        case U'\'':
            out += "\\'";
            continue;
        default:
            break;
        }
        if (!character.wellFormed || isControl(character.value)) {
            appendHexEscapes(out, sequence);
        } else {
            out += sequence;
        }
    }
    out += '\'';
    return out;
}

} // namespace tintara
