#include <gtest/gtest.h>

#include <string>

#include "foundation/line_reader.h"
#include "foundation/stream.h"

namespace {

TMemoryStream Ansi(const std::string& text) { return TMemoryStream(text.data(), text.size()); }

TMemoryStream Wide(const std::u16string& text) {
    TMemoryStream s;
    for (char16_t c : text) {
        const std::uint8_t b[2] = {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8)};
        s.Write(b, 2);
    }
    s.Seek(0);
    return s;
}

TEST(LineReaderTest, ControlCharactersAreDroppedAndLineFeedEndsTheLine) {
    auto s = Ansi("a\tb\r\nsecond\n");
    std::u16string line;
    ASSERT_TRUE(StreamReadLine(s, true, line));
    EXPECT_EQ(line, u"ab");
    ASSERT_TRUE(StreamReadLine(s, true, line));
    EXPECT_EQ(line, u"second");
    EXPECT_FALSE(StreamReadLine(s, true, line));
}

TEST(LineReaderTest, LastLineWithoutLineFeedIsKept) {
    auto s = Ansi("one\nab");
    std::u16string line;
    ASSERT_TRUE(StreamReadLine(s, true, line));
    ASSERT_TRUE(StreamReadLine(s, true, line));
    EXPECT_EQ(line, u"ab");
    EXPECT_FALSE(StreamReadLine(s, true, line));
    EXPECT_EQ(line, u"");
}

TEST(LineReaderTest, EmptyLinesAreLines) {
    auto s = Ansi("\n\nx");
    std::u16string line;
    int count = 0;
    while (StreamReadLine(s, true, line)) ++count;
    EXPECT_EQ(count, 3);
}

TEST(LineReaderTest, AnsiBytesGoThroughCodePage1252) {
    auto s = Ansi("\xE9\x80\x7F\x9F\xA0\n");  // é, euro (dropped: 128..159), DEL dropped, nbsp kept
    std::u16string line;
    ASSERT_TRUE(StreamReadLine(s, true, line));
    EXPECT_EQ(line, u"\u00E9\u00A0");
}

TEST(LineReaderTest, WideUnitsAboveLatin1AreDropped) {
    auto s = Wide(u"a\u00E9\u20ACb\u0009\n");
    std::u16string line;
    ASSERT_TRUE(StreamReadLine(s, false, line));
    EXPECT_EQ(line, u"a\u00E9b");
}

TEST(LineReaderTest, LongLinesComeBackWhole) {
    const std::string longLine(5000, 'x');
    auto s = Ansi(longLine + "\n");
    std::u16string line;
    ASSERT_TRUE(StreamReadLine(s, true, line));
    EXPECT_EQ(line.size(), 5000u);
}

}  // namespace
