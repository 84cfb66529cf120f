// The train table played through the headless game: laying and turning track, the switches'
// levers, the engines and their cars, the knobs, the timers and sounds, the workshop's
// questions and the saved layout.
#include "tests/rooms/train/train_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/vek_exception.h"
#include "rooms/questions/train_engines.h"
#include "rooms/train/train_set.h"
#include "rooms/workshop/workshop_room.h"
#include "shell/timer_codes.h"

namespace train_tests {
namespace {

std::uint8_t AnimateTimer(int engine) { return static_cast<std::uint8_t>(6 + engine); }

int PendingTimers(const TRoom& room, std::uint8_t code) {
    int count = 0;
    for (const auto* timer : NodesOf<TTimerScriptInfo>(room.Timers()))
        if (timer->Code == code) ++count;
    return count;
}

TEST_F(TrainGame, ANewGameShowsTheBareTableAndBothEnginesOnTheShelf) {
    EnterTrains();
    THotImage table(AC8ImageName("trainbg"), false, Game->World().GetImageLibrary());
    for (std::int32_t x = 0; x < kLayoutColumns; ++x)
        for (std::int32_t y = 0; y < kLayoutRows; ++y) {
            EXPECT_EQ(Cell(x, y), TTrainCell{});
            const TPoint p = TilePoint(x, y, 20, 50);
            EXPECT_EQ(Game->ViewPixel(p.X, p.Y), table.Image().GetPixel(p)) << x << "," << y;
        }
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(Engine(n).State, kOnShelf);
        EXPECT_EQ(Frame(n == 1 ? "ENG1" : "ENG2"), 0);
        EXPECT_EQ(Frame(n == 1 ? "KNB1" : "KNB2"), 5);
    }
    EXPECT_TRUE(Enabled("ENG1"));
    EXPECT_FALSE(Enabled("+1KNB"));
    EXPECT_FALSE(Enabled("-2KNB"));
    EXPECT_FALSE(Enabled("CAR1"));
    EXPECT_EQ(Room().Page(), 1);
    EXPECT_EQ(Room().SceneryItem(1), 1);
    EXPECT_EQ(Room().SceneryItem(2), 2);
    // The palette's picked cell wears the red frame.
    EXPECT_EQ(Game->ViewPixel(405, 1), 227);
}

TEST_F(TrainGame, PiecesAreLaidFromEitherPageAndPlainGroundTakesTheScenery) {
    EnterTrains();
    Lay(1, 1, 2, 1);
    EXPECT_EQ(Cell(1, 1), (TTrainCell{2, 1, 0, 1, false, false}));
    EXPECT_EQ(Game->ViewPixel(405 + 64 + 1, 1 + 32 + 1), 227) << "the new pick is framed";
    EXPECT_EQ(Game->ViewPixel(405, 1), 38) << "the old frame is erased in the board's colour";
    // The page switch: page 2 lays snow; a switch is laid as a spring switch.
    Game->Click("SWITCH");
    EXPECT_EQ(Room().Page(), 2);
    EXPECT_EQ(Frame("PALSWITCH"), 1);
    Lay(2, 1, 1, 4);
    EXPECT_EQ(Cell(2, 1), (TTrainCell{1, 4, 0, 2, true, false}));
    // Clicking the picked plain-ground cell turns its scenery 3, 4, 0, 1 on page 2.
    PickOnce(2, 5);
    std::vector<int> items;
    for (int i = 0; i < 4; ++i) {
        Pick(2, 5);
        items.push_back(Room().SceneryItem(2));
    }
    EXPECT_EQ(items, (std::vector<int>{3, 4, 0, 1}));
    EXPECT_EQ(Room().SceneryItem(1), 1) << "each page has its own";
    // Plain ground over track takes the track away and sets the scenery down.
    Lay(1, 1, 2, 5);
    EXPECT_EQ(Cell(1, 1), (TTrainCell{2, 5, 1, 2, false, false}));
    Game->Click("SWITCH");
    EXPECT_EQ(Room().Page(), 1);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, TheSwitchLeverFlipsTheSwitchAndWithShiftMakesItSpringOrNot) {
    EnterTrains();
    Lay(2, 1, 0, 4);
    ASSERT_TRUE(Cell(2, 1).Spring);
    ClickTile(2, 1, 37, 37);
    EXPECT_TRUE(Room().LeverHover());
    EXPECT_EQ(Cell(2, 1).Setting, 1);
    EXPECT_EQ(Cell(2, 1).Column, 0) << "the piece stays";
    EXPECT_EQ(Game->ViewPixel(TilePoint(2, 1, 17, 30).X, TilePoint(2, 1, 17, 30).Y), 57) << "a spring switch's green frame";
    ClickTile(2, 1, 37, 37);
    EXPECT_EQ(Cell(2, 1).Setting, 0);
    Game->SetKeys(true, false);
    Game->Tick(1);
    ClickTile(2, 1, 37, 37);
    EXPECT_FALSE(Cell(2, 1).Spring);
    EXPECT_EQ(Cell(2, 1).Setting, 0);
    EXPECT_EQ(Game->ViewPixel(TilePoint(2, 1, 17, 30).X, TilePoint(2, 1, 17, 30).Y), 10);
    Game->SetKeys(false, false);
    Game->Tick(1);
    // The mouse alone over the lever frames it; elsewhere on the tile the cursor frame shows.
    Game->MouseMove(TilePoint(3, 1));
    EXPECT_FALSE(Room().LeverHover());
    Game->MouseMove(TilePoint(2, 1, 30, 40));
    EXPECT_TRUE(Room().LeverHover());
    EXPECT_EQ(Game->ViewPixel(TilePoint(2, 1, 17, 30).X, TilePoint(2, 1, 17, 30).Y), 10);
    // Outside the lever the piece picked in the palette is laid over the switch.
    PickOnce(2, 0);
    ClickTile(2, 1, 4, 4);
    EXPECT_EQ(Cell(2, 1).Column, 2);
    EXPECT_EQ(Cell(2, 1).Row, 0);
}

TEST_F(TrainGame, AnEngineIsPlacedOnTrackOnlyAndATileUnderATrainStaysAsItIs) {
    EnterTrains();
    Lay(1, 1, 2, 1);
    Game->Click("ENG1");
    EXPECT_EQ(Engine(1).State, kBeingPlaced);
    EXPECT_EQ(Frame("ENG1"), 1);
    Game->Tick(11);
    EXPECT_EQ(Frame("ENG1"), 2) << "blinks while being placed";
    Game->Tick(10);
    EXPECT_EQ(Frame("ENG1"), 1);
    // Over plain ground it is not shown; over the track it takes the track's way.
    Game->MouseMove(TilePoint(3, 3));
    EXPECT_EQ(Engine(1).TileX, -1);
    Game->MouseMove(TilePoint(1, 1, 50, 37));
    EXPECT_EQ(Engine(1).TileX, 1);
    EXPECT_EQ(Engine(1).Shape, 1) << "the right half heads right";
    EXPECT_EQ(Engine(1).Step, 5);
    Game->MouseMove(TilePoint(1, 1, 20, 37));
    EXPECT_EQ(Engine(1).Shape, 3);
    Game->MouseDown(TilePoint(1, 1, 20, 37));
    Game->MouseUp(TilePoint(1, 1, 20, 37));
    EXPECT_EQ(Engine(1).State, kOnLayout);
    EXPECT_EQ(Frame("ENG1"), 2);
    EXPECT_EQ(Frame("KNB1"), 2);
    EXPECT_EQ(Room().EngineBeingPlaced(), 0);
    EXPECT_TRUE(Enabled("+1KNB"));
    EXPECT_TRUE(Enabled("-1KNB"));
    EXPECT_TRUE(Enabled("CAR1"));
    // The yellow engine is drawn on the table.
    int yellow = 0;
    for (std::int32_t y = 0; y < 75; ++y)
        for (std::int32_t x = 0; x < 75; ++x)
            if (Game->ViewPixel(TilePoint(1, 1, x - 37, y - 37).X, TilePoint(1, 1, x - 37, y - 37).Y) == 241) ++yellow;
    EXPECT_GT(yellow, 40);
    // Its tile cannot be changed.
    PickOnce(2, 5);
    ClickTile(1, 1, 5, 5);
    EXPECT_EQ(Cell(1, 1).Column, 2);
    EXPECT_EQ(Cell(1, 1).Row, 1);
    // Engine 2 set down on plain ground goes back to the shelf.
    Game->Click("ENG2");
    ClickTile(3, 3);
    EXPECT_EQ(Engine(2).State, kOnShelf);
    EXPECT_EQ(Frame("ENG2"), 0);
    // A click on an engine on the table takes it back.
    Game->Click("ENG1");
    EXPECT_EQ(Engine(1).State, kOnShelf);
    EXPECT_EQ(Engine(1).TileX, -1);
    EXPECT_EQ(Frame("KNB1"), 5);
    EXPECT_FALSE(Enabled("+1KNB"));
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, KnobsDriveTheEnginesRoundTheLoopWithTheirSoundsAndTimers) {
    EnterTrains();
    LayLoop();
    Place(1, 1, 0);
    Game->Click("+1KNB");
    EXPECT_EQ(Engine(1).Speed, 1);
    EXPECT_EQ(Frame("KNB1"), 3);
    EXPECT_EQ(PendingTimers(Room(), AnimateTimer(1)), 1);
    EXPECT_TRUE(HeardSound(76)) << "engine 1 running slowly";
    const TPoint before{Engine(1).TileX, Engine(1).Step};
    Game->Tick(20);
    EXPECT_NE((TPoint{Engine(1).TileX, Engine(1).Step}), before);
    Game->Click("+1KNB");
    EXPECT_EQ(Engine(1).Speed, 2);
    EXPECT_FALSE(Enabled("+1KNB"));
    EXPECT_TRUE(HeardSound(78));
    // While the application is busy nothing moves, and the timer tries again each tick.
    Game->World().SetFlags(kWorldIdle, false);
    const TTrainEngine held = Engine(1);
    Room().RemoveTimer(AnimateTimer(1));
    Room().RunScript("ANIMATE", "1");
    EXPECT_EQ(Engine(1).Step, held.Step);
    ASSERT_NE(Room().FindTimer(AnimateTimer(1)), nullptr);
    EXPECT_EQ(Room().FindTimer(AnimateTimer(1))->DueTick, Game->World().GetTickTotal() + 1);
    // Two engines at the same speed change together with Shift held, one timer each.
    Game->Click("-1KNB");
    Game->Click("-1KNB");
    Game->Click("-1KNB");
    EXPECT_EQ(Engine(1).Speed, -1);
    Game->Click("+1KNB");
    Game->Click("+1KNB");
    Place(2, 3, 3, 20, 37);  // the bottom straight, heading left: round the loop the same way
    EXPECT_EQ(Engine(2).Shape, 3);
    Game->Click("+2KNB");
    ASSERT_EQ(Engine(1).Speed, 1);
    ASSERT_EQ(Engine(2).Speed, 1);
    EXPECT_TRUE(HeardSound(80));
    Game->SetKeys(true, false);
    Game->Tick(1);
    Game->Click("+2KNB");
    EXPECT_EQ(Engine(1).Speed, 2);
    EXPECT_EQ(Engine(2).Speed, 2);
    EXPECT_EQ(Frame("KNB1"), 4);
    EXPECT_EQ(PendingTimers(Room(), AnimateTimer(1)), 1);
    EXPECT_EQ(PendingTimers(Room(), AnimateTimer(2)), 1);
    EXPECT_TRUE(HeardSound(81));
    Game->SetKeys(false, false);
    Game->Tick(1);
    // The whistles blow now and then while the engines run.
    Game->Tick(700);
    EXPECT_EQ(Engine(1).State, kOnLayout);
    EXPECT_TRUE(HeardSound(16));
    EXPECT_TRUE(HeardSound(74));
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, ACarIsHookedOnBehindItsEngineAndUnhookedAgain) {
    EnterTrains();
    LayLoop();
    Place(1, 2, 0);
    Game->Click("CAR1");
    EXPECT_TRUE(Engine(1).CarAttached);
    EXPECT_EQ(Frame("CAR1"), 1);
    EXPECT_EQ(Engine(3).TileX, 1) << "six steps behind";
    EXPECT_EQ(Engine(3).Speed, Engine(1).Speed);
    Game->Click("+1KNB");
    Game->Tick(40);
    EXPECT_EQ(Engine(3).Speed, 1);
    auto set = MakeTrainSet(Layout());
    EXPECT_TRUE(set->Entries[2].Present);
    Game->Click("CAR1");
    EXPECT_FALSE(Engine(1).CarAttached);
    EXPECT_EQ(Frame("CAR1"), 0);
    set = MakeTrainSet(Layout());
    EXPECT_TRUE(set->Entries[0].Present);
    EXPECT_FALSE(set->Entries[2].Present) << "a car unhooked is out of the snapshot";
    // At the end of a short track there is no room behind: the car stays off and the engine
    // is pushed forward.
    Game->Click("ENG1");
    Lay(0, 1, 0, 1);  // a buffer stop open to the right: no room to the left
    Lay(1, 1, 2, 1);
    Place(1, 1, 1, 20, 37);
    ASSERT_EQ(Engine(1).State, kOnLayout);
    Room().RunScript("CAR", "CAR1");
    // Depending on where the engine stood the car may fit; put it at the start of the track.
    if (Engine(1).CarAttached) {
        Game->Click("CAR1");
        Game->Click("ENG1");
        Game->Click("ENG1");
        Game->MouseMove(TilePoint(0, 1, 60, 37));
        Game->MouseDown(TilePoint(0, 1, 60, 37));
        Game->MouseUp(TilePoint(0, 1, 60, 37));
        Room().RunScript("CAR", "CAR1");
    }
    EXPECT_FALSE(Engine(1).CarAttached);
    EXPECT_EQ(Frame("CAR1"), 0);
    EXPECT_EQ(Engine(1).Speed, 1);
    EXPECT_EQ(PendingTimers(Room(), AnimateTimer(1)), 1) << "the engine moves at the speed its knob shows";
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, ACrashedEngineGoesToTheWorkshopAndComesBackToTheShelf) {
    EnterTrains();
    for (int x = 0; x < 5; ++x) Lay(x, 1, 2, 1);
    Lay(0, 0, 0, 1);  // something of page 1 in the first cell
    Place(1, 0, 1);
    Place(2, 4, 1, 20, 37);
    Game->Click("+1KNB");
    Game->Click("+2KNB");
    Game->Click("+2KNB");
    for (int i = 0; i < 100 && Engine(1).State != kCrashed; ++i) Game->Tick(1);
    ASSERT_EQ(Engine(1).State, kCrashed) << "the slower engine falls over";
    EXPECT_TRUE(Layout().CrashLatch());
    EXPECT_TRUE(HeardSound(83));
    EXPECT_EQ(Engine(2).Speed, -1);
    EXPECT_FALSE(Enabled("+1KNB"));
    const TRoomWorld& world = Game->World();
    EXPECT_EQ(EngineInWorkshop(world), 0);
    EXPECT_EQ(TerrainOfFirstCell(world), 1);
    Game->Click("ENG1");
    EXPECT_EQ(Engine(1).State, kInWorkshop);
    EXPECT_EQ(Frame("ENG1"), 3);
    EXPECT_FALSE(Enabled("ENG1"));
    EXPECT_FALSE(Layout().CrashLatch()) << "no engine is crashed any more";
    EXPECT_EQ(EngineInWorkshop(world), 1);
    ReturnEngine(world, 1);
    EXPECT_EQ(Engine(1).State, kOnShelf);
    EXPECT_EQ(Frame("ENG1"), 0);
    EXPECT_EQ(EngineInWorkshop(world), 0);

    // Leaving the room sends a crashed engine to the workshop.
    Place(1, 0, 1);
    Game->Click("-2KNB");  // engine 2 runs to and fro until it runs into engine 1 standing
    for (int i = 0; i < 400 && Engine(1).State != kCrashed; ++i) Game->Tick(1);
    ASSERT_EQ(Engine(1).State, kCrashed);
    Game->World().GoRoom("TITLE");
    Game->Tick(1);
    EXPECT_EQ(Engine(1).State, kInWorkshop);
    EXPECT_EQ(Engine(1).NewlyCrashed, false);
    EXPECT_EQ(EngineInWorkshop(world), 1);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, ASpringSwitchFlipsOnceTheTrainHasLeftIt) {
    EnterTrains();
    // A switch between two straights, and a siding down from it.
    Lay(0, 1, 2, 1);
    Lay(1, 1, 1, 4);
    Lay(2, 1, 2, 1);
    Lay(3, 1, 1, 1);  // buffer stop open to the left
    Lay(1, 2, 2, 0);
    Lay(1, 3, 0, 0);  // buffer stop open at the top
    ASSERT_TRUE(Cell(1, 1).Spring);
    Place(1, 0, 1, 20, 37);
    ASSERT_EQ(Engine(1).Shape, 3);
    Game->Click("-1KNB");  // backwards along the way into the switch... then the right
    Game->Click("+1KNB");
    Game->Click("+1KNB");
    Game->Click("+1KNB");
    for (int i = 0; i < 200 && Engine(1).TileX < 2; ++i) Game->Tick(1);
    ASSERT_EQ(Engine(1).TileX, 2);
    for (int i = 0; i < 50 && Layout().EnginesOnTile(1, 1) != 0; ++i) Game->Tick(1);
    EXPECT_EQ(Cell(1, 1).Setting, 1) << "flipped behind the train";
    EXPECT_FALSE(Cell(1, 1).FlipPending);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, TheLayoutIsSavedAsItStandsAndTheEnginesWaitOnTheShelfAfterARestart) {
    EnterTrains();
    LayLoop();
    Game->Click("SWITCH");
    Lay(2, 1, 1, 5);
    Lay(1, 2, 2, 5);  // scenery 2 of page 2
    Place(1, 1, 0);
    Game->Click("+1KNB");
    Game->Tick(6);
    const std::vector<std::uint8_t> bytes = Record();
    ASSERT_EQ(bytes.size(), 100u);
    // x outer, y inner: the cell (2, 1) is entry 2 * 4 + 1.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 45, bytes.begin() + 50),
              (std::vector<std::uint8_t>{1, 5, 0, 2, 1}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 30, bytes.begin() + 35),
              (std::vector<std::uint8_t>{2, 5, 2, 2, 0}));
    // Read back it consumes exactly its bytes and writes them again.
    TMemoryStream in(bytes);
    Room().ReadData(in);
    EXPECT_EQ(in.Remaining(), 0);
    EXPECT_EQ(Record(), bytes);

    Game->Restart();
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(Record(), bytes);
    EnterTrains();
    EXPECT_EQ(Engine(1).State, kOnShelf);
    EXPECT_EQ(Frame("ENG1"), 0);
    EXPECT_EQ(Frame("KNB1"), 5);
    EXPECT_EQ(Cell(2, 1).Column, 1);
}

TEST_F(TrainGame, ADamagedRecordIsRefusedAndLeavesTheLayoutAsItWas) {
    EnterTrains();
    Lay(1, 1, 2, 1);
    const std::vector<std::uint8_t> good = Record();
    const auto refused = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        TMemoryStream in(bytes);
        try {
            Room().ReadData(in);
        } catch (const VekException& e) {
            EXPECT_EQ(Record(), good) << "nothing kept from a damaged record";
            return std::string(e.what()).find("Saved game is damaged.") != std::string::npos;
        }
        return false;
    };
    EXPECT_TRUE(refused(0, 3)) << "column";
    EXPECT_TRUE(refused(1, 6)) << "row";
    EXPECT_TRUE(refused(3, 3)) << "terrain";
    EXPECT_TRUE(refused(4, 2)) << "spring";
    EXPECT_TRUE(refused(2, 5)) << "scenery item on plain ground";
    EXPECT_TRUE(refused(5 * 5 + 2, 1)) << "a setting on a straight piece";
    TMemoryStream cut(std::vector<std::uint8_t>(good.begin(), good.begin() + 60));
    EXPECT_THROW(Room().ReadData(cut), VekException);
}

TEST_F(TrainGame, TheHelpPagesOpenFromTheTutorAndLeadBackToTheTable) {
    EnterTrains();
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "MRTEXT>");
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "MR2<");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "MRTEXT>") << "back the way it came";
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "TRAINS");
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainGame, LeavingPutsAnEngineBeingPlacedBackAndRegainedFocusRestartsTheRunning) {
    EnterTrains();
    LayLoop();
    Place(1, 1, 0);
    Game->Click("+1KNB");
    Game->Click("ENG2");
    ASSERT_EQ(Engine(2).State, kBeingPlaced);
    Game->SetActive(false);
    Game->Tick(1);
    Game->SetActive(true);
    const std::size_t before = Heard().size();
    Game->Tick(1);
    const auto log = Heard();
    EXPECT_NE(std::find(log.begin() + std::ptrdiff_t(before), log.end(), int(RemapSoundId(76))), log.end())
        << "the running loop starts again";
    Game->World().GoRoom("TITLE");
    Game->Tick(1);
    EXPECT_EQ(Engine(2).State, kOnShelf);
    EXPECT_EQ(Room().EngineBeingPlaced(), 0);
    EXPECT_EQ(Engine(1).State, kOnLayout) << "an engine on the table stays there";
    EnterTrains();
    EXPECT_EQ(Frame("ENG2"), 0);
    EXPECT_EQ(Frame("KNB1"), 3);
    EXPECT_EQ(PendingTimers(Room(), AnimateTimer(1)), 1) << "a running engine runs on";
}

TEST_F(TrainGame, TheHousesWorkshopShowsTheFirstCellAndTakesInTheCrashedEngine) {
    EnterTrains();
    for (int x = 0; x < 5; ++x) Lay(x, 1, 2, 1);
    Game->Click("SWITCH");
    Lay(0, 0, 2, 5);
    Place(1, 0, 1);
    Place(2, 4, 1, 20, 37);
    Game->Click("+2KNB");
    for (int i = 0; i < 200 && Engine(1).State != kCrashed; ++i) Game->Tick(1);
    ASSERT_EQ(Engine(1).State, kCrashed);
    Game->World().GoRoom("WORKSHOP");
    Game->Tick(2);
    ASSERT_EQ(Game->RoomName(), "WORKSHOP");
    EXPECT_EQ(Engine(1).State, kInWorkshop);
    EXPECT_EQ(FindFrameSetOrFail(Game->Room()->FrameSets(), "MR").CurrentFrame, 2) << "the little layout's ground";
    EXPECT_EQ(Game->RoomAs<TWorkshopRoom>("WORKSHOP").ShelfToy(4), 10) << "the yellow engine waits for repair";
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace train_tests
