// Layout without a surface: what fits on a line, where lines break, what escapes do to the
// pen, and paging. A rectangle exactly one narrow cell high holds one line, so its result
// shows the first line alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/text_block.h"
#include "test_fonts.h"

namespace {

class TextBlockLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestFonts(); }

    TAC8Font Narrow{nullptr, "07r"};
    TAC8Font Wide{nullptr, "08b"};

    // Fonts "r" and "b", no margins.
    std::unique_ptr<TTextBlock> MakeBlock() {
        auto block = std::make_unique<TTextBlock>(Narrow, "r");
        block->AddFont(Wide, "b");
        block->SetMargins(0, 0, 0, 0);
        return block;
    }
    // The first line of the text in a rectangle `width` wide.
    TTextLayout FirstLine(std::u16string_view text, std::int32_t width) {
        return MakeBlock()->Layout(nullptr, TRect{0, 0, width, 10}, true, text);
    }
};

TEST_F(TextBlockLayoutTest, BreaksAtTheLastSpaceThatFits) {
    // "ab cd" is 6+6+4+6+6 = 28 wide; "e" reaches 38 and "f" would pass 40.
    const TTextLayout line = FirstLine(u"ab cd ef", 40);
    EXPECT_EQ(line.Consumed, 6);  // the space at the break is skipped
    EXPECT_EQ(line.Width, 28);

    auto block = MakeBlock();
    const TTextLayout all = block->Layout(nullptr, TRect{0, 0, 40, 100}, true, u"ab cd ef");
    EXPECT_EQ(all.Consumed, 8);
    EXPECT_EQ(all.Width, 28);
    EXPECT_EQ(all.Height, 2 * 13 - 3);  // two lines less the last gap
}

TEST_F(TextBlockLayoutTest, LongWordSplitsOneCharacterBeforeTheOverflow) {
    // a..f reach 36, "g" would reach 42: the line ends before "f".
    const TTextLayout line = FirstLine(u"abcdefgh", 40);
    EXPECT_EQ(line.Consumed, 5);
    EXPECT_EQ(line.Width, 30);
}

TEST_F(TextBlockLayoutTest, SoftHyphen) {
    // The hyphen's "-" fits at 24: the line breaks after it even though "def" follows.
    TTextLayout line = FirstLine(u"abc`defgh", 40);
    EXPECT_EQ(line.Consumed, 4);
    EXPECT_EQ(line.Width, 24);
    // A later space that fits takes over as the break.
    line = FirstLine(u"a`b cdefgh", 40);
    EXPECT_EQ(line.Consumed, 4);
    EXPECT_EQ(line.Width, 12);
    // A hyphen inside a line that ends with the text draws and measures nothing.
    line = FirstLine(u"ab`cd", 40);
    EXPECT_EQ(line.Consumed, 5);
    EXPECT_EQ(line.Width, 24);
    // When "-" no longer fits, the line ends right there.
    line = FirstLine(u"abcdef`gh", 40);
    EXPECT_EQ(line.Consumed, 6);
    EXPECT_EQ(line.Width, 36);
}

TEST_F(TextBlockLayoutTest, HardBreaks) {
    EXPECT_EQ(FirstLine(u"ab\rcd", 100).Consumed, 3);
    EXPECT_EQ(FirstLine(u"ab\r\ncd", 100).Consumed, 4);  // the LF belongs to the break
    EXPECT_EQ(FirstLine(u"ab\\ncd", 100).Consumed, 4);
    EXPECT_EQ(FirstLine(u"ab\\Ncd", 100).Consumed, 4);
    EXPECT_EQ(FirstLine(u"ab\\ncd", 100).Width, 12);

    auto block = MakeBlock();
    // A text ending in CR LF takes no room after its last line.
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 100}, true, u"ab\r\n").Height, 10);
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 100}, true, u"ab\r\n").Consumed, 4);
}

TEST_F(TextBlockLayoutTest, EmptyLinesAndFullLines) {
    auto block = MakeBlock();
    // Empty lines advance by the first font's row pitch, even in the wide font...
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 200}, true, u"\\b\\n\\n").Height, 13 + 13 - 3);
    // ...but "\N" advances by a full line of the font in force.
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 200}, true, u"\\b\\N\\N").Height, 17 + 17 - 3);
}

TEST_F(TextBlockLayoutTest, PenEscapes) {
    EXPECT_EQ(FirstLine(u"\\T020x", 100).Width, 26);
    EXPECT_EQ(FirstLine(u"ab\\T002x", 100).Width, 8);  // a tab may move the pen back
    EXPECT_EQ(FirstLine(u"\\t05x", 100).Width, 11);
    EXPECT_EQ(FirstLine(u"\\p\\px", 100).Width, 8);
    EXPECT_EQ(FirstLine(u"\x01x", 100).Width, 12);  // a space as wide as "0"
    // Too few digits: no move, and the digit is ordinary text.
    TTextLayout line = FirstLine(u"\\t5a", 100);
    EXPECT_EQ(line.Width, 12);
    EXPECT_EQ(line.Consumed, 4);
    line = FirstLine(u"\\T12", 100);
    EXPECT_EQ(line.Width, 12);
    // Look-ahead stops at the end of the text.
    EXPECT_EQ(FirstLine(u"a\\t", 100).Consumed, 3);
    EXPECT_EQ(FirstLine(u"a\\T0", 100).Consumed, 4);
}

TEST_F(TextBlockLayoutTest, OtherBackslashes) {
    EXPECT_EQ(FirstLine(u"\\Q", 100).Width, 6);    // no font Q: the letter itself
    EXPECT_EQ(FirstLine(u"\\\\x", 100).Width, 12);  // a backslash glyph
    const TTextLayout line = FirstLine(u"ab\\", 100);  // a trailing backslash ends the text
    EXPECT_EQ(line.Consumed, 3);
    EXPECT_EQ(line.Width, 12);
}

TEST_F(TextBlockLayoutTest, FontsSwitchMidLineAndCarryOver) {
    EXPECT_EQ(FirstLine(u"a\\bb\\rc", 100).Width, 6 + 8 + 6);
    EXPECT_EQ(FirstLine(u"a\\Bb", 100).Width, 6 + 8);  // font names ignore case

    auto block = MakeBlock();
    block->Layout(nullptr, TRect{0, 0, 100, 100}, true, u"a\\b");
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 100}, false, u"c").Width, 8);
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 100}, true, u"c").Width, 6);
}

TEST_F(TextBlockLayoutTest, NothingFits) {
    auto block = MakeBlock();
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 9}, true, u"abc").Consumed, 0);
    EXPECT_EQ(block->Layout(nullptr, TRect{0, 0, 100, 100}, true, u"").Consumed, 0);
    // The default margins of 6 leave no room in a rectangle 20 high.
    TTextBlock plain(Narrow, "r");
    EXPECT_EQ(plain.Layout(nullptr, TRect{0, 0, 100, 21}, true, u"abc").Consumed, 0);
    EXPECT_EQ(plain.Layout(nullptr, TRect{0, 0, 100, 22}, true, u"abc").Consumed, 3);
}

TEST_F(TextBlockLayoutTest, MarginsAndResults) {
    TTextBlock block(Narrow, "r");
    block.SetMargins(6, 5, 0, 0);
    const TTextLayout result = block.Layout(nullptr, TRect{10, 20, 110, 220}, true, u"abc");
    EXPECT_EQ(result.Width, 18 + 6);
    EXPECT_EQ(result.Height, 5 + 10);
}

TEST_F(TextBlockLayoutTest, NoLineRunsPastItsRectangleAlsoWithDigitWideSpaces) {
    // "abc" reaches 18; a digit-wide space is as wide as "0" (6) and would reach 24.
    TTextLayout line = FirstLine(u"abc\x01", 20);
    EXPECT_LE(line.Width, 20);
    EXPECT_EQ(line.Consumed, 2);  // split one item before the overflow, as for a letter
    line = FirstLine(u"abc\x01", 24);
    EXPECT_EQ(line.Consumed, 4);
    EXPECT_EQ(line.Width, 24);
    // A number padded with digit-wide spaces, as scores are shown.
    line = FirstLine(u"ab \x01\x01\x01" u"7", 30);
    EXPECT_LE(line.Width, 30);

    // Every line of every page, in rectangles wide enough for one item.
    const std::u16string text = u"\x01\x01" u"12 a\x01\x01\x01 bc\x01d \x01\x01\x01\x01\x01\x01\x01\x01\x01 e";
    for (const std::int32_t width : {6, 10, 17, 20, 25, 31, 47}) {
        auto block = MakeBlock();
        std::u16string_view rest = text;
        bool restart = true;
        while (!rest.empty()) {
            const TTextLayout page = block->Layout(nullptr, TRect{0, 0, width, 10}, restart, rest);
            ASSERT_GT(page.Consumed, 0);
            EXPECT_LE(page.Width, width) << "width " << width << " at " << text.size() - rest.size();
            rest.remove_prefix(static_cast<std::size_t>(page.Consumed));
            restart = false;
        }
    }
}

// Paging with Restart false must reach the end of any text, however narrow the rectangle.
TEST_F(TextBlockLayoutTest, PagingReachesTheEnd) {
    std::u16string text;
    for (int i = 0; i < 60; ++i) text += u"word\\b bold`er\\r \\t03tab\x01 x\r\n";
    for (const std::int32_t width : {1, 5, 13, 40, 300}) {
        auto block = MakeBlock();
        std::u16string_view rest = text;
        int pages = 0;
        bool restart = true;
        while (!rest.empty()) {
            const std::int32_t used = block->Draw(nullptr, TRect{0, 0, width, 60}, restart, rest);
            ASSERT_GT(used, 0) << "width " << width;
            rest.remove_prefix(static_cast<std::size_t>(used));
            restart = false;
            ASSERT_LT(++pages, 100000);
        }
    }
}

}  // namespace
