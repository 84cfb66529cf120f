// The game's cursors: the cursor list's lines, and cursors defined from library pictures in
// load order, stopping at the first one missing.
#include <gtest/gtest.h>

#include "foundation/text.h"
#include "shell/game_cursors.h"
#include "tests/shell/main_window_fixture.h"

using namespace main_window_test;

TEST(CursorList, KeepsWellFormedLinesAndSkipsTheRest) {
    const auto entries = ParseCursorList(
        "# number image hotX hotY\n"
        "1 cur_hand 6 1\r\n"
        "2 toolongname 1 1\n"   // image names have at most 8 characters
        "3 cur_x -1 4\n"         // no negative hot spots
        "4 cur_y 1 1 extra\n"   // nothing after the hot spot but a comment
        "5 cur_z 1 1 # note\n"
        "6 cur_w 256 0\n"
        "x cur_v 1 1\n"
        "\n"
        "1 cur_new 2 3\n");     // a later line replaces an earlier one
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at(1).Image, "cur_new");
    EXPECT_EQ(entries.at(1).HotX, 2);
    EXPECT_EQ(entries.at(1).HotY, 3);
    EXPECT_EQ(entries.at(5).Image, "cur_z");
}

TEST_F(MainWindowTest, CursorsComeFromLibraryPicturesInLoadOrderUntilOneIsMissingWhichIsReported) {
    // Cursor 4 is loaded before 3 and is missing: the loading stops before 3.
    std::ofstream(Folder.Path() / "dat" / "cursors.txt") << "1 tile 3 4\n2 abt_btn 0 0\n3 tile 0 0\n";
    ASSERT_TRUE(Create());
    EXPECT_EQ(LoadGameCursors(Window, *Form->Library()), 2);
    ASSERT_TRUE(Window.HasCursor(1));
    const platform::CursorPicture& hand = *Window.CursorOf(1);
    EXPECT_EQ(hand.Width, 16);
    EXPECT_EQ(hand.HotX, 3);
    EXPECT_EQ(hand.HotY, 4);
    EXPECT_EQ(hand.Pixels[0], 0xFF000000u | Shown(kTileColour));
    EXPECT_TRUE(Window.HasCursor(2));
    EXPECT_FALSE(Window.HasCursor(3));
    const std::string list = (Folder.Path() / "dat" / "cursors.txt").string();
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text,
              u"The cursor list \"" + Utf8ToUtf16(list) + u"\" is damaged: it has no cursor 4.");
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Icon, platform::MessageIcon::Error);
    // A picture too big for a cursor, or one the library lacks, also ends the loading, named.
    Boxes.Boxes.ClearShown();
    std::ofstream(list) << "1 glnd_ns 0 0\n2 tile 0 0\n";
    EXPECT_EQ(LoadGameCursors(Window, *Form->Library()), 0);
    std::ofstream(list) << "1 tile 0 0\n2 nothere 0 0\n";
    EXPECT_EQ(LoadGameCursors(Window, *Form->Library()), 1);
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 2u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text,
              u"The cursor list \"" + Utf8ToUtf16(list) + u"\" is damaged: the picture of cursor 1 is too big for a cursor.");
    EXPECT_EQ(Boxes.Boxes.Shown()[1].Text, u"The cursor list \"" + Utf8ToUtf16(list) +
                                               u"\" is damaged: cursor 2 names the picture \"nothere\", which the library does not have.");
    // A missing list is a missing data file.
    Boxes.Boxes.ClearShown();
    std::filesystem::remove(list);
    EXPECT_EQ(LoadGameCursors(Window, *Form->Library()), 0);
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text, u"Sorry! We cannot find the needed file \"" + Utf8ToUtf16(list) + u"\".");
}
