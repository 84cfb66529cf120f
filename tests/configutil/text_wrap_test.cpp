// Wrapping message texts for a box of fixed width, measured here in characters.
#include <gtest/gtest.h>

#include <sstream>

#include "configutil/text_wrap.h"

using configutil::WrapText;

namespace {
// Ten pixels a character (a UTF-8 character counts once).
int Measure(std::string_view text) {
    int characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    return characters * 10;
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\n') out += c;
    return out;
}

int WidestLine(const std::string& text) {
    std::istringstream lines(text);
    int widest = 0;
    for (std::string line; std::getline(lines, line);) widest = std::max(widest, Measure(line));
    return widest;
}
}  // namespace

TEST(TextWrapTest, BreaksAtBlanksAndKeepsTheTextsOwnBreaks) {
    EXPECT_EQ(WrapText("short", 100, Measure), "short");
    EXPECT_EQ(WrapText("one two three four", 90, Measure), "one two\nthree\nfour");
    EXPECT_EQ(WrapText("first line\n\nsecond", 60, Measure), "first\nline\n\nsecond");
    EXPECT_EQ(WrapText("", 60, Measure), "");
}

TEST(TextWrapTest, AWordWiderThanTheBoxIsCutBetweenCharacters) {
    const std::string name(236, 'a');
    const std::string text = "Do you really wish to delete the configuration named \"" + name + "\"?";
    const std::string wrapped = WrapText(text, 400, Measure);
    EXPECT_LE(WidestLine(wrapped), 400);
    EXPECT_EQ(WithoutBlanks(wrapped), WithoutBlanks(text)) << "nothing lost or added but line breaks";

    // Two-byte characters are never split.
    const std::string wide = WrapText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 20, Measure);
    EXPECT_EQ(wide, "\xC3\xA9\xC3\xA9\n\xC3\xA9\xC3\xA9\n\xC3\xA9");
}

TEST(TextWrapTest, ABoxNarrowerThanOneCharacterStillEnds) {
    EXPECT_EQ(WrapText("abc", 5, Measure), "a\nb\nc");
}
