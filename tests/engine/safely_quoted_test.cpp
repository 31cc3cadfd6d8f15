#include "engine/safely_quoted.h"

#include <gtest/gtest.h>

using tintara::safelyQuoted;

TEST(SafelyQuoted, ShowsControlCharactersAndBrokenUtf8AsEscapes)
{
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"plain name.tnf", "'plain name.tnf'"},
        {"caf\xC3\xA9 \xF0\x9F\x99\x82", "'caf\xC3\xA9 \xF0\x9F\x99\x82'"}, // printable UTF-8 stays
        {"\x1b]0;owned\x07\x1b[2J", "'\\x1b]0;owned\\x07\\x1b[2J'"},
        {std::string("a\0b", 3), "'a\\0b'"},
        {"tab\tline\ncr\r", "'tab\\tline\\ncr\\r'"},
        {"\x7F", "'\\x7f'"},
        {"\xC2\x9B\x32J", "'\\xc2\\x9b2J'"},   // the C1 CSI, which some terminals obey
        {"\xFF\xE2\x82", "'\\xff\\xe2\\x82'"}, // not UTF-8: each byte shown
        {"it's a\\b", "'it\\'s a\\\\b'"},
        {"", "''"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(safelyQuoted(c.bytes), c.shown);
    }
}
