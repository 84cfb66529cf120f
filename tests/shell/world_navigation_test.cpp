// The world's room changes through the headless game: the start, the return stack, the
// order of a change's stages, unknown rooms, full-frame rooms and the buttons of the window.
#include <gtest/gtest.h>

#include "tests/support/game_harness.h"
#include "tests/support/test_house.h"

using testing_support::TGameHarness;
using testing_support::TTestHouseRoom;

namespace {

TEST(WorldNavigation, StartsInTheStartRoomAndGoesWhereBoxesSay) {
    TGameHarness game;
    game.Start();
    EXPECT_EQ(game.RoomName(), "TITLE");
    EXPECT_TRUE(game.Stack().empty());
    EXPECT_EQ(game.ViewPixel(5, 5), testing_support::kTestHouseColour);

    game.Click("PLAY");
    EXPECT_EQ(game.RoomName(), "LIVING");
    EXPECT_EQ(game.Stack(), std::vector<std::string>{"TITLE"});
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("LIVING").EnteredFrom, std::vector<std::string>{"TITLE"});
    EXPECT_EQ(game.ViewPixel(5, 5), testing_support::kTestHouseColour + 1);
    EXPECT_EQ(game.Window().Caption, u"Test house");
    EXPECT_FALSE(game.HasFlag(kWorldBusy));
}
}  // namespace
