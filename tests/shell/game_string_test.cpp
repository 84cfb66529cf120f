#include <gtest/gtest.h>

#include <set>

#include "engine/graphics/game_font_metrics.h"
#include "shell/strings/game_string.h"

namespace {

TEST(GameStringTest, FormattedMessages) {
    EXPECT_EQ(FormatGameString(GameStringFileNotFound, {u"/games/dat/init.txt"}),
              u"Sorry! We cannot find the needed file \"/games/dat/init.txt\".");
    EXPECT_EQ(FormatGameString(GameStringUnknownScript, {u"JUMP", u"BOX1"}),
              u"Caught an attempt to run an unknown script called \"JUMP\" (sender = \"BOX1\")");
    // An argument holding the placeholder is inserted as it stands.
    EXPECT_EQ(FormatGameString(GameStringUnknownScript, {u"%s", u"X"}),
              u"Caught an attempt to run an unknown script called \"%s\" (sender = \"X\")");
    EXPECT_EQ(FormatGameString(GameStringFileNotFound, {}), u"Sorry! We cannot find the needed file \"\".");
    EXPECT_EQ(FormatGameString(GameStringReallyQuit, {u"ignored"}), u"Do you really want to quit the game?");
}

TEST(GameStringTest, FixedTextsAndGaps) {
    EXPECT_EQ(GameString(GameStringStartLibraryFile), u"QEstart.ac8");
    EXPECT_EQ(GameString(GameStringMainLibraryFile), u"Zorvik.ac8");
    EXPECT_EQ(GameString(GameStringNilPointer), u"NIL pointer detected");
    EXPECT_TRUE(GameString(0).empty());
    EXPECT_TRUE(GameString(1347).empty());
    EXPECT_TRUE(GameString(FirstGivenName - 1).empty());
    EXPECT_TRUE(GameString(FirstGivenName + GivenNameCount).empty());
    EXPECT_TRUE(GameString(0xFFFF).empty());
}

// Every recipient name is distinct, plain ASCII, and fits the big tag (390 pixels between its
// edges) in the large font with room to spare.
TEST(GameStringTest, GivenNamesSuitGiftTags) {
    std::set<std::u16string> seen;
    for (std::uint16_t id = FirstGivenName; id < FirstGivenName + GivenNameCount; ++id) {
        const std::u16string name = GameString(id);
        ASSERT_FALSE(name.empty()) << id;
        EXPECT_LE(name.size(), 8u) << id;
        for (const char16_t c : name) {
            EXPECT_TRUE((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) << id;
        }
        EXPECT_TRUE(name[0] >= u'A' && name[0] <= u'Z') << id;
        EXPECT_LE(MeasureText(GameFontMetrics1, name), 300) << id;
        EXPECT_TRUE(seen.insert(name).second) << id;
    }
}

}  // namespace
