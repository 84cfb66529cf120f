// Mending the workshop's toys: the wrong tool's complaint, the right tool's repair, and what
// each mended toy does when clicked: songs, the radio, the cuckoo clock, the way to the
// jukebox and the slate, the engines of the train table.
#include <gtest/gtest.h>

#include "shell/songs.h"
#include "tests/rooms/workshop/workshop_game.h"

namespace workshop_tests {
namespace {

using WorkshopComplaints = WorkshopGame;

TEST_F(WorkshopComplaints, AWrongToolMakesTheToyComplainThenItSettlesBack) {
    EnterWith({1, 3, 6, 9});
    ScrollRight();
    for (int toy : {1, 3, 6, 9}) {
        const int limit = TWorkshopRoom::FrameLimitOf(toy);
        TakeTool(WrongTool(toy));
        ForgetSounds();
        ClickToy(toy);
        EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(toy + 62)}) << toy;
        EXPECT_EQ(ToyFrame(toy), limit + 1) << toy;
        EXPECT_FALSE(Shop().ToyRepaired(toy));
        EXPECT_EQ(Shop().HeldTool(), WrongTool(toy)) << "the wrong tool stays in the hand";
        Game->Tick(6);
        EXPECT_EQ(ToyFrame(toy), limit) << toy;
    }
}

TEST_F(WorkshopComplaints, TheRadioAndTheYellowEngineKeepComplainingAndTheSlateToyOnlyGrumbles) {
    auto& trains = AddStandIn<TStandInTrains>("TRAINS");
    trains.Engine = 1;
    EnterWith({4, 8}, 1);
    ScrollRight();
    for (int toy : {4, 10}) {
        TakeTool(WrongTool(toy));
        ClickToy(toy);
        Game->Tick(12);
        EXPECT_EQ(ToyFrame(toy), TWorkshopRoom::FrameLimitOf(toy) + 1) << toy;
    }
    // The slate toy flickers by itself; a wrong tool only makes its sound.
    TakeTool(WrongTool(8));
    const int before = ToyFrame(8);
    ForgetSounds();
    ClickToy(8);
    EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(70)});
    EXPECT_EQ(ToyFrame(8), before);
}

TEST_F(WorkshopComplaints, WithoutAToolAClickDoesNothing) {
    EnterWith({2});
    ScrollRight();
    ForgetSounds();
    ClickToy(2);
    EXPECT_EQ(NewSounds(), std::vector<int>{});
    EXPECT_EQ(ToyFrame(2), TWorkshopRoom::FrameLimitOf(2));
}

using WorkshopRepairs = WorkshopGame;

TEST_F(WorkshopRepairs, TheRightToolMendsAToyAndGoesBackToItsDrawer) {
    EnterWith({1});
    ScrollRight();
    const int tool = TWorkshopRoom::ToolOf(1);
    TakeTool(tool);
    ForgetSounds();
    ClickToy(1);
    EXPECT_TRUE(Shop().ToyRepaired(1));
    EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(75)});
    EXPECT_EQ(ToyFrame(1), 0);
    EXPECT_EQ(Shop().HeldTool(), 0);
    EXPECT_EQ(Frame("T" + std::to_string(tool)), 1);
    EXPECT_EQ(Game->World().GetDefaultCursor(), 0);
    EXPECT_EQ(Box(kToyBoxes[0]).Cursor, 1);
}

TEST_F(WorkshopRepairs, EachSingingToyPlaysItsOwnSong) {
    for (const auto& [toy, song] : std::vector<std::pair<int, int>>{{1, 10}, {2, 17}, {3, 11}, {6, 4}, {9, 12}}) {
        Restart();
        EnterWith({toy});
        ScrollRight();
        Mend(toy);
        ClickToy(toy);
        EXPECT_EQ(Shop().PlayingToy(), toy);
        ASSERT_FALSE(Game->SongLog().empty());
        EXPECT_EQ(Game->SongLog().back(), SongFileName(song)) << toy;
    }
}

TEST_F(WorkshopRepairs, AMendedToyPlaysItsSongAndRunsUntilTheSongEnds) {
    EnterWith({1, 3});
    ScrollRight();
    Mend(1);
    Mend(3);
    ClickToy(1);
    EXPECT_EQ(Shop().PlayingToy(), 1);
    EXPECT_EQ(Game->SongLog().back(), SongFileName(10));
    // Toy 1 rises through its first frames, then bobs between frames 4 and 7.
    std::vector<int> frames;
    for (int i = 0; i < 12; ++i) {
        Game->Tick(4);
        frames.push_back(ToyFrame(1));
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 4, 5, 6, 7, 4}));
    // Another singing toy takes over: the first winds down to its rest frame.
    ClickToy(3);
    EXPECT_EQ(Shop().PlayingToy(), 3);
    EXPECT_EQ(Game->SongLog().back(), SongFileName(11));
    EXPECT_TRUE(Shop().ToyWindingDown(1));
    Game->Tick(40);
    EXPECT_EQ(ToyFrame(1), 0);
    // Toy 3 plays on between frames 1 and 2.
    std::vector<int> three;
    for (int i = 0; i < 4; ++i) {
        Game->Tick(3);
        three.push_back(ToyFrame(3));
    }
    EXPECT_TRUE(three == (std::vector<int>{1, 2, 1, 2}) || three == (std::vector<int>{2, 1, 2, 1})) << three[0];
    TickPastSongEnd();
    EXPECT_EQ(Shop().PlayingToy(), 0);
    Game->Tick(10);
    EXPECT_EQ(ToyFrame(3), 0);
}

TEST_F(WorkshopRepairs, TheToyWhoseSongPlaysStaysOnItsShelfAndRunsAgainOnTheNextVisit) {
    EnterWith({9});
    ScrollRight();
    Mend(9);
    ClickToy(9);
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Shop().ShelfToy(5), 9);
    EXPECT_TRUE(ToyShown(9));
    Game->Tick(10);
    EXPECT_EQ(ToyFrame(9), 1) << "running again";
    Game->EndSong();
    Game->Tick();
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_NE(Shop().ShelfToy(5), 9) << "taken away once its song is over";
}

// The test house's sounds are a few samples long, so the radio's tune ends within a tick:
// the flashing is driven by its timer's word here, and ended by the tune's real end.
TEST_F(WorkshopRepairs, TheMendedRadioPlaysAndFlashesUntilItsSoundEnds) {
    EnterWith({4});
    ScrollRight();
    Mend(4);
    ForgetSounds();
    Game->Click(kToyBoxes[3]);
    TRoom& room = *Game->Room();
    ASSERT_NE(room.FindTimer(TTimerCode::RadioFlash), nullptr);
    // The timer fires: it goes from the list and its word arrives.
    auto flash = [&room] {
        room.RemoveTimer(TTimerCode::RadioFlash);
        room.RunScript("", "RADIOFLASH");
    };
    flash();
    EXPECT_EQ(ToyFrame(4), 1);
    flash();
    EXPECT_EQ(ToyFrame(4), 0);
    flash();
    EXPECT_EQ(ToyFrame(4), 1);
    ASSERT_NE(room.FindTimer(TTimerCode::RadioFlash), nullptr) << "and comes again";
    Game->Click(kToyBoxes[3]);  // flashing already: no second tune
    EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(24)}) << "heard out, the tune ends the flashing";
    EXPECT_EQ(ToyFrame(4), 0);
    EXPECT_EQ(room.FindTimer(TTimerCode::RadioFlash), nullptr);
    Game->Tick(20);
    EXPECT_EQ(ToyFrame(4), 0);
}

TEST_F(WorkshopRepairs, TheEndOfARadioSoundLeavesABrokenRadioBroken) {
    EnterWith({4});
    Game->World().GetCurrentRoom()->RunScript("ENDOFSOUND", std::to_string(WaveOf(24)));
    EXPECT_EQ(ToyFrame(4), TWorkshopRoom::FrameLimitOf(4));
}

TEST_F(WorkshopRepairs, TheCuckooClockCallsOnceAndWindsDown) {
    EnterWith({7});
    ScrollRight();
    Mend(7);
    ForgetSounds();
    ClickToy(7);
    Game->Tick(6);
    EXPECT_EQ(ToyFrame(7), 1);
    Game->Tick(6);
    EXPECT_EQ(ToyFrame(7), 2);
    Game->Tick(6);
    EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(15)});
    Game->Tick(30);
    EXPECT_EQ(ToyFrame(7), 0);
    EXPECT_EQ(Game->Room()->FindTimer(TTimerCode::AnimateFirst), nullptr);
}

TEST_F(WorkshopRepairs, TheMendedJukeboxLeadsToTheJukeboxAndTheSlateToyToTheSlate) {
    EnterWith({5, 8});
    ScrollRight();
    Mend(8);
    Game->Click(kToyBoxes[7]);
    EXPECT_EQ(Game->RoomName(), "SLATE");
    Enter("WORKSHOP");
    Mend(5);
    Game->Click(kToyBoxes[4]);
    EXPECT_EQ(Game->RoomName(), "JUKEBOX");
    EXPECT_EQ(Shown(), "");
}

using WorkshopEngines = WorkshopGame;

TEST_F(WorkshopEngines, ACrashedEngineWaitsOnPlaceFourAndGoesBackMended) {
    auto& trains = AddStandIn<TStandInTrains>("TRAINS");
    trains.Engine = 1;
    EnterWith({}, 1);
    EXPECT_EQ(Shop().ShelfToy(4), 10);
    ScrollRight();
    Mend(10);
    EXPECT_EQ(trains.Returned, std::vector<int>{1});
    ForgetSounds();
    ClickToy(10);
    Game->Tick(10);
    EXPECT_EQ(ToyFrame(10), 1);
    EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(16)}) << "it whistles as it sets off";
    Game->Tick(60);
    EXPECT_EQ(ToyFrame(10), 0) << "once round, then it stops";
    // Next visit: engine 1 is back on the train table, place 4 is empty.
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Shop().ShelfToy(4), 0);
    EXPECT_FALSE(ToyShown(10));
}

TEST_F(WorkshopEngines, TheBlueEngineWhistlesItsOwnWayAndAnArrivingEnginePushesTheOtherOff) {
    auto& trains = AddStandIn<TStandInTrains>("TRAINS");
    trains.Engine = 2;
    EnterWith({}, 2);
    EXPECT_EQ(Shop().ShelfToy(4), 11);
    trains.Engine = 1;
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Shop().ShelfToy(4), 10);
    EXPECT_FALSE(ToyShown(11));
    EXPECT_FALSE(Enabled(kToyBoxes[10]));
    trains.Engine = 2;
    Enter("BED");
    Enter("WORKSHOP");
    ScrollRight();
    Mend(11);
    EXPECT_EQ(trains.Returned, std::vector<int>{2});
    ForgetSounds();
    ClickToy(11);
    Game->Tick(10);
    EXPECT_EQ(NewSounds(), std::vector<int>{WaveOf(74)});
}

}  // namespace
}  // namespace workshop_tests
