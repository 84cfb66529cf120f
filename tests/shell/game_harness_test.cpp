// The harness's own promises, which every room test relies on: a click fails the test when
// the child could not make it, songs and sounds are logged and ended, and a built data
// folder can stand in for the test pictures.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/text.h"
#include "shell/qe_exception.h"
#include "shell/songs.h"
#include "shell/strings/game_string.h"
#include "tests/support/game_harness.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_house.h"

using testing_support::TGameHarness;
using testing_support::TTestHouseRoom;

namespace {

class GameHarness : public ::testing::Test {
protected:
    void SetUp() override {
        game.Start();
        game.Click("PLAY");
    }
    TGameHarness game;
};

TEST_F(GameHarness, AClickTheChildCouldNotMakeFailsTheTest) {
    TRoom* living = game.Room();
    living->FindHitBox("COUNT")->Disabled = true;
    EXPECT_NONFATAL_FAILURE(game.Click("COUNT"), "is disabled");
    living->FindHitBox("COUNT")->Disabled = false;

    // An earlier box in list order covering the whole box hides it.
    living->HitBoxes().AddFirst(std::make_unique<THitBox>("COVER", MakeRect(90, 90, 160, 160)));
    EXPECT_NONFATAL_FAILURE(game.Click("COUNT"), "hidden by an earlier box");
    EXPECT_NONFATAL_FAILURE(game.Click("NOSUCHBOX"), "has no box");
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("LIVING").Counter, 0);

    // Partly covered, it is clicked where it shows.
    living->FindHitBox("COVER")->Rect = MakeRect(90, 90, 149, 160);
    game.Click("COUNT");
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("LIVING").Counter, 1);
}

// Random play clicks what this lists, so it must hold exactly the boxes a click could reach,
// each at a point where that box and no other is hit.
TEST_F(GameHarness, EnabledBoxesAreThoseAClickReachesWithAPointOnEach) {
    TRoom* living = game.Room();
    const auto names = [&] {
        std::vector<std::string> listed;
        for (const auto& box : game.EnabledBoxes()) {
            listed.push_back(box.Name);
            EXPECT_EQ(living->HitBoxes().HitTest(box.At.X, box.At.Y), living->FindHitBox(box.Name)) << box.Name;
            EXPECT_TRUE(box.At.X >= 0 && box.At.X < kPlayAreaWidth && box.At.Y >= 0 && box.At.Y < kPlayAreaHeight)
                << box.Name;
        }
        return listed;
    };
    const auto has = [](const std::vector<std::string>& listed, const std::string& name) {
        return std::find(listed.begin(), listed.end(), name) != listed.end();
    };
    ASSERT_TRUE(has(names(), "COUNT"));

    living->FindHitBox("COUNT")->Disabled = true;
    EXPECT_FALSE(has(names(), "COUNT"));
    living->FindHitBox("COUNT")->Disabled = false;

    living->HitBoxes().AddFirst(std::make_unique<THitBox>("COVER", MakeRect(90, 90, 160, 160)));
    EXPECT_FALSE(has(names(), "COUNT"));
    living->FindHitBox("COVER")->Rect = MakeRect(90, 90, 140, 160);
    EXPECT_TRUE(has(names(), "COUNT"));

    // A box beyond the play area (a scrolled room's far end) cannot be clicked from here.
    living->HitBoxes().AddFirst(std::make_unique<THitBox>("FAR", MakeRect(600, 10, 700, 60)));
    EXPECT_FALSE(has(names(), "FAR"));
}

TEST_F(GameHarness, ButtonsThatWouldNotTakeAClickFailTheTest) {
    EXPECT_NONFATAL_FAILURE(game.PressNav(3), "does not take clicks");  // the current room's
    EXPECT_NONFATAL_FAILURE(game.PressAction(1), "does not take clicks");  // snap not enabled
    EXPECT_NONFATAL_FAILURE(game.PressAction(3), "does not take clicks");  // no command
    EXPECT_EQ(game.RoomName(), "LIVING");
}

TEST_F(GameHarness, SongsAreLoggedAndEndEitherByThemselvesOrByTheirTime) {
    auto& workshop = game.RoomAs<TTestHouseRoom>("WORKSHOP");
    game.World().PlayMusic(3);
    EXPECT_EQ(game.SongLog(), std::vector<std::string>{std::string(SongFileName(3))});
    EXPECT_TRUE(game.EndSong());
    EXPECT_FALSE(game.EndSong());
    EXPECT_EQ(workshop.Messages, std::vector<std::string>{"|ENDMUSIC"});

    game.World().PlayMusic(4);
    game.Tick((SongLengthSeconds(4) * 1000 + TSongSchedule::kGraceMs) / 55 + 2);
    EXPECT_FALSE(game.EndSong());
    EXPECT_EQ(workshop.Messages.size(), 2u);

    // A room's error at the end of a song is shown, not thrown at the main loop.
    workshop.OnScript = [](const std::string&, const std::string&) -> bool { throw QEException("broken"); };
    game.World().PlayMusic(3);
    EXPECT_TRUE(game.EndSong());
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Text, u"Quit game?\r\n\r\nbroken");
}

TEST(GameHarnessContent, ABuiltDataFolderStandsInForTheTestPictures) {
    testing_support::TempFolder content;
    testing_support::WriteTestHouseLibrary(content.Path() / Utf16ToUtf8(GameString(GameStringMainLibraryFile)));
    testing_support::THarnessOptions options;
    options.ContentFolder = content.Path();
    TGameHarness game(options);
    game.Start();
    EXPECT_EQ(game.ViewPixel(0, 0), testing_support::kTestHouseColour);
    game.Click("PLAY");
    game.Click("TOKITCHEN");
    EXPECT_EQ(game.RoomName(), "KITCHEN");
}

}  // namespace
