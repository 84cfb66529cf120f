#include <gtest/gtest.h>

#include "foundation/text.h"

namespace {

TEST(TextTest, Utf8AndUtf16RoundTrip) {
    const std::string utf8 = "K\xC3\xA9z \xE2\x82\xAC \xF0\x9F\x8E\x84";  // Kéz € 🎄
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    EXPECT_EQ(utf16, u"K\u00E9z \u20AC \U0001F384");
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
}

TEST(TextTest, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(TextTest, CodePage1252BothWays) {
    EXPECT_EQ(AnsiToUtf16("\x80\xE9\x81"), u"\u20AC\u00E9\u0081");
    EXPECT_EQ(Utf16ToAnsi(u"\u20AC\u00E9\u4E00"), "\x80\xE9?");
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8("caf\xE9")), "caf\xE9");
}

TEST(TextTest, AsciiCaseMappingLeavesAccentsAlone) {
    EXPECT_EQ(UpperAscii(std::string("ab\xC3\xA9z1")), "AB\xC3\xA9Z1");
    EXPECT_EQ(UpperAscii(std::u16string(u"a\u00E9")), u"A\u00E9");
    EXPECT_EQ(LowerAscii(std::string("AbC")), "abc");
}

}  // namespace
