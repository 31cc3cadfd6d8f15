#include "engine/graphemes.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tintara;

namespace
{

std::string utf8(std::u32string_view codePoints)
{
    std::string text;
    for (const char32_t c : codePoints) {
        appendUtf8(text, c);
    }
    return text;
}

struct Sample {
    const char *what;
    std::u32string text;
    std::vector<std::u32string> elements;
};

} // namespace

TEST(Graphemes, KeepTrickyCharactersWhole)
{
    const Sample samples[] = {
        {"flag", U"\U0001F1EB\U0001F1F7", {U"\U0001F1EB\U0001F1F7"}},
        {"two flags and a lone regional indicator",
         U"\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA\U0001F1EB",
         {U"\U0001F1EB\U0001F1F7", U"\U0001F1E9\U0001F1EA", U"\U0001F1EB"}},
        {"skin tone", U"\U0001F44D\U0001F3FDx", {U"\U0001F44D\U0001F3FD", U"x"}},
        {"ZWJ family",
         U"\U0001F468\u200D\U0001F469\u200D\U0001F467",
         {U"\U0001F468\u200D\U0001F469\u200D\U0001F467"}},
        {"keycap after ASCII", U"a1\uFE0F\u20E3", {U"a", U"1\uFE0F\u20E3"}},
        {"combining marks", U"e\u0301\u0323a", {U"e\u0301\u0323", U"a"}},
        {"Hangul jamo", U"\u1100\u1161\u11A8\u1100", {U"\u1100\u1161\u11A8", U"\u1100"}},
        {"CR LF inside a line", U"a\r\nb\r\r\n", {U"a", U"\r\n", U"b", U"\r", U"\r\n"}},
        {"prepend before ASCII", U"\u0600ab", {U"\u0600a", U"b"}},
        {"plain ASCII", U"Hi!", {U"H", U"i", U"!"}},
    };
    for (const Sample &sample : samples) {
        std::vector<std::string> expected;
        for (const std::u32string &element : sample.elements) {
            expected.push_back(utf8(element));
        }
        const std::string text = utf8(sample.text);
        const std::vector<std::string_view> split = splitGraphemes(text);
        EXPECT_EQ(std::vector<std::string>(split.begin(), split.end()), expected) << sample.what;
        EXPECT_EQ(graphemeCount(text), expected.size()) << sample.what;
    }
}

TEST(Graphemes, CountAcrossAsciiBlocksAsOneByOne)
{
    // A mark that joins the character before it, and a CR LF, at every place
    // of a run longer than a block.
    const std::string ascii = "abcdefghijklmnopqrst";
    for (const std::string &insert : {utf8(U"\u0301"), std::string("\r\n"), utf8(U"\u00E9")}) {
        for (std::size_t at = 0; at <= ascii.size(); ++at) {
            const std::string text = ascii.substr(0, at) + insert + ascii.substr(at);
            EXPECT_EQ(graphemeCount(text), splitGraphemes(text).size()) << at;
        }
    }
    EXPECT_EQ(graphemeCount(ascii + utf8(U"\u0301")), ascii.size());
    EXPECT_EQ(graphemeCount(""), 0u);
}

// Every case of Unicode's own test file, whose Unicode version must be the
// one the rules follow (15.0.0 for both on Debian 12).
TEST(Graphemes, PassUnicodesBreakTest)
{
    std::ifstream file(TINTARA_GRAPHEME_BREAK_TEST);
    ASSERT_TRUE(file) << "cannot read " << TINTARA_GRAPHEME_BREAK_TEST
                      << " (Debian package unicode-data)";
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "# GraphemeBreakTest-" + std::string(graphemeUnicodeVersion()) + ".txt")
        << "the test data and utf8proc follow different versions of Unicode";
    std::size_t cases = 0;
    while (std::getline(file, line)) {
        line = line.substr(0, line.find('#'));
        if (line.empty()) {
            continue;
        }
        // "÷ 0020 × 0308 ÷ 0020 ÷": code points in hexadecimal between break
        // (÷) and no-break (×) marks.
        std::istringstream fields(line);
        std::vector<std::string> expected;
        std::string text, field;
        while (fields >> field) {
            if (field == "\xC3\xB7") {
                expected.emplace_back();
            } else if (field != "\xC3\x97") {
                const auto c = static_cast<char32_t>(std::stoul(field, nullptr, 16));
                const std::string encoded = utf8(std::u32string(1, c));
                expected.back() += encoded;
                text += encoded;
            }
        }
        expected.pop_back(); // after the mark at the end
        const std::vector<std::string_view> split = splitGraphemes(text);
        EXPECT_EQ(std::vector<std::string>(split.begin(), split.end()), expected) << line;
        EXPECT_EQ(graphemeCount(text), expected.size()) << line;
        ++cases;
    }
    EXPECT_GE(cases, 600u); // 602 in the 15.0 file
}
