// What the rooms of the house ask the workshop: whether the jukebox, the radio, the clock and
// the slate toy wait broken on its shelves, before and after each is mended, and what the
// bedroom makes of the answer.
#include <gtest/gtest.h>

#include "rooms/bedroom/bed_room.h"
#include "rooms/bedroom/jukebox_room.h"
#include "rooms/questions/jukebox_idle.h"
#include "tests/rooms/workshop/workshop_game.h"
#include "tests/shell/test_world.h"

namespace workshop_tests {
namespace {

using WorkshopQuestions = WorkshopGame;

TEST_F(WorkshopQuestions, NothingIsInRepairBeforeTheWorkshopSetsOutItsToys) {
    EXPECT_FALSE(JukeboxInRepair(Game->World()));
    EXPECT_FALSE(RadioInRepair(Game->World()));
    EXPECT_FALSE(ClockInRepair(Game->World()));
    EXPECT_FALSE(SlateToyInRepair(Game->World()));
    EXPECT_FALSE(ToyWaitingBroken(Game->World(), 0));
    EXPECT_FALSE(ToyWaitingBroken(Game->World(), 12));
}

TEST_F(WorkshopQuestions, EachRoomsToyIsInRepairUntilMended) {
    for (const auto& [toy, ask] : std::vector<std::pair<int, bool (*)(const TRoomWorld&)>>{
             {4, &RadioInRepair}, {7, &ClockInRepair}, {8, &SlateToyInRepair}, {5, &JukeboxInRepair}}) {
        Restart();
        EnterWith({toy});
        EXPECT_TRUE(ask(Game->World())) << toy;
        ScrollRight();
        Mend(toy);
        EXPECT_FALSE(ask(Game->World())) << toy;
    }
}

TEST_F(WorkshopQuestions, TheBedroomMissesItsJukeboxWhileItWaitsInTheWorkshop) {
    EnterWith({5});
    Enter("BED");
    EXPECT_TRUE(Game->RoomAs<TBedRoom>("BED").JukeboxAway());
    EXPECT_FALSE(Enabled("JUKE"));
    Enter("WORKSHOP");
    ScrollRight();
    Mend(5);
    Enter("BED");
    EXPECT_FALSE(Game->RoomAs<TBedRoom>("BED").JukeboxAway());
    EXPECT_TRUE(Enabled("JUKE"));
}

TEST_F(WorkshopQuestions, ThePlayingJukeboxAndTheLivingRoomsMusicKeepTheirToysOffTheShelf) {
    // The jukebox plays: it is not broken, so it cannot come in for repair.
    Enter("JUKEBOX");
    Game->Click("3");
    Game->Tick(12);
    Game->Click("BUTTON");
    ASSERT_FALSE(Game->RoomAs<TJukeboxRoom>("JUKEBOX").Idle());
    Game->World().SetRoomFlags(kWorldLivingMusic, true);
    for (int visit = 0; visit < 15; ++visit) {
        Enter("WORKSHOP");
        EXPECT_NE(Shop().ShelfToy(3), 5);
        EXPECT_NE(Shop().ShelfToy(2), 4);
        Enter("BED");
    }
}

TEST_F(WorkshopQuestions, TheWorkshopHearsTheJukeboxPlayUntilItsSongEnds) {
    EXPECT_TRUE(JukeboxIdle(Game->World()));
    Enter("JUKEBOX");
    Game->Click("3");
    Game->Tick(12);
    Game->Click("BUTTON");
    EXPECT_FALSE(JukeboxIdle(Game->World()));
    Game->Click("BUTTON");
    EXPECT_TRUE(JukeboxIdle(Game->World()));
}

TEST(WorkshopQuestionsWithoutJukebox, AHouseWithoutAnAnsweringJukeboxCountsItIdle) {
    TTestWorld world;
    EXPECT_TRUE(JukeboxIdle(world));
    world.AddRoom(std::make_unique<TRecordingRoom>("JUKEBOX"));  // a room of another kind
    EXPECT_TRUE(JukeboxIdle(world));
}

}  // namespace
}  // namespace workshop_tests
