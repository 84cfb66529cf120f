// The workshop played through the headless game over the built content: the shelves set out
// at random, the drawers and the tools in them, the drawer hints, scrolling, the doors to
// the rooms around it, the work table, the help pages and the saved game.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/workshop/work_table.h"
#include "shell/world.h"
#include "tests/rooms/workshop/workshop_game.h"
#include "tests/support/record_framing.h"

namespace workshop_tests {
namespace {

// ---- the shelves

using WorkshopShelves = WorkshopGame;

TEST_F(WorkshopShelves, TheFirstVisitSetsOutTheToysTheRandomNumbersChoose) {
    EXPECT_FALSE(Shop().ToysInitialised());
    for (std::uint32_t seed : {3u, 11u, 40u, 97u}) {
        // A fresh set of shelves for each seed: nothing stands there before the first visit.
        if (seed != 3u) Restart();
        const auto expected = FirstShelves(seed);
        Game->Context().RandomNumbers().Seed(seed);
        Enter("WORKSHOP");
        ASSERT_TRUE(Shop().ToysInitialised());
        for (int place = 1; place <= kShelfPlaces; ++place)
            EXPECT_EQ(Shop().ShelfToy(place), expected[std::size_t(place - 1)]) << "seed " << seed << " place " << place;
        for (int toy = 1; toy <= kWorkshopToys; ++toy) {
            const bool out = Shop().ShelfToy(TWorkshopRoom::PlaceOf(toy)) == toy;
            EXPECT_EQ(ToyShown(toy), out) << toy;
            EXPECT_EQ(Enabled(kToyBoxes[std::size_t(toy - 1)]), out) << toy;
            EXPECT_TRUE(Box(kToyBoxes[std::size_t(toy - 1)]).Hover) << toy;
            if (out) {
                EXPECT_EQ(ToyFrame(toy), TWorkshopRoom::FrameLimitOf(toy)) << "broken: " << toy;
            }
        }
        EXPECT_EQ(Shop().ShelfToy(4), 0) << "no engine waits without a train room";
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(WorkshopShelves, ABrokenToyStaysAndAnEmptyPlaceMayFillOnTheNextVisit) {
    EnterWith({1});
    const auto first = Expected;
    for (int visit = 0; visit < 12; ++visit) {
        Enter("BED");
        Enter("WORKSHOP");
        for (int place : {1, 2, 3, 5})
            if (first[std::size_t(place - 1)] != 0) {
                EXPECT_EQ(Shop().ShelfToy(place), first[std::size_t(place - 1)]) << "broken toys stay put";
            }
    }
    int filled = 0;
    for (int place : {1, 2, 3, 5}) filled += Shop().ShelfToy(place) != 0;
    EXPECT_EQ(filled, 4) << "twelve visits fill every place at 7 chances in 10";
}

TEST_F(WorkshopShelves, AToyMendedInThisVisitIsTakenAwayAndNotPutBackInTheSamePass) {
    EnterWith({1, 3});
    ScrollRight();
    Mend(1);
    Mend(3);
    // Seeds whose next pass would choose toys 1 and 3 again for the emptied places.
    for (std::uint32_t seed = 1; seed < 500; ++seed) {
        platform::RandomNumbers predicted(seed);
        const bool place1 = predicted.Next(10) < 7 && predicted.Next(2) == 0;
        if (!place1) continue;
        const bool place2 = predicted.Next(10) < 7 && predicted.Next(2) == 0;
        if (!place2) continue;
        Enter("BED");
        Game->Context().RandomNumbers().Seed(seed);
        Enter("WORKSHOP");
        EXPECT_EQ(Shop().ShelfToy(1), 0);
        EXPECT_EQ(Shop().ShelfToy(2), 0);
        EXPECT_FALSE(ToyShown(1));
        EXPECT_FALSE(Enabled(kToyBoxes[0]));
        EXPECT_FALSE(Shop().ToyRepaired(1) && Shop().ShelfToy(1) == 1);
        return;
    }
    FAIL() << "no seed chooses both again";
}

TEST_F(WorkshopShelves, TheBrokenSlateToyFlickersUntilMended) {
    EnterWith({8});
    const int limit = TWorkshopRoom::FrameLimitOf(8);
    Game->Tick(3);
    EXPECT_EQ(ToyFrame(8), limit + 1);
    Game->Tick(3);
    EXPECT_EQ(ToyFrame(8), limit);
    ScrollRight();
    Mend(8);
    EXPECT_EQ(ToyFrame(8), 0);
    Game->Tick(12);
    EXPECT_EQ(ToyFrame(8), 0) << "the flicker stopped with the repair";
}

// ---- drawers and tools

using WorkshopTools = WorkshopGame;

TEST_F(WorkshopTools, EachDrawerOpensOnItsToolWhichBecomesThePointer) {
    EnterWith({});
    ScrollRight();
    for (int tool = 1; tool <= 4; ++tool) {
        const std::string drawer = "D" + std::to_string(tool), toolSet = "T" + std::to_string(tool);
        EXPECT_FALSE(Enabled(kToolBoxes[std::size_t(tool - 1)])) << "a shut drawer's tool cannot be taken";
        Game->Click(kDrawerBoxes[std::size_t(tool - 1)]);
        EXPECT_EQ(Frame(drawer), 1);
        EXPECT_EQ(Frame(toolSet), 1);
        EXPECT_TRUE(Enabled(kToolBoxes[std::size_t(tool - 1)]));
        EXPECT_FALSE(Enabled("#550XT"));
        Game->Click(kToolBoxes[std::size_t(tool - 1)]);
        EXPECT_EQ(Shop().HeldTool(), tool);
        EXPECT_EQ(Game->World().GetDefaultCursor(), tool + 21);
        EXPECT_EQ(Frame(toolSet), 0) << "in the hand, not in the drawer";
        EXPECT_FALSE(Enabled(kToolBoxes[std::size_t(tool - 1)]));
        EXPECT_TRUE(Enabled("#550XT"));
        Game->Click("#550XT");
        EXPECT_EQ(Shop().HeldTool(), 0);
        EXPECT_EQ(Game->World().GetDefaultCursor(), 0);
        EXPECT_EQ(Frame(toolSet), 1);
        Game->Click(kDrawerBoxes[std::size_t(tool - 1)]);
        EXPECT_EQ(Frame(drawer), 0);
        EXPECT_EQ(Frame(toolSet), 0);
    }
}

TEST_F(WorkshopTools, AnotherToolOrADrawerPutsTheHeldToolBack) {
    EnterWith({});
    ScrollRight();
    TakeTool(1);
    TakeTool(2);
    EXPECT_EQ(Frame("T1"), 1) << "tool 1 went back to its drawer";
    EXPECT_EQ(Game->World().GetDefaultCursor(), 23);
    Game->Click(kDrawerBoxes[2]);
    EXPECT_EQ(Shop().HeldTool(), 0);
    EXPECT_EQ(Frame("T2"), 1);
    // The same words with names out of range change nothing.
    Game->World().GetCurrentRoom()->RunScript("DRAWER", "#563D9");
    Game->World().GetCurrentRoom()->RunScript("TOOL", "#563T0");
    Game->World().GetCurrentRoom()->RunScript("ANIMATE", "12");
    EXPECT_EQ(Frame("D1"), 1);
    EXPECT_EQ(Shop().HeldTool(), 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(WorkshopTools, AToolLeftInTheHandGoesBackOnTheNextVisitAndOnScrolling) {
    EnterWith({});
    ScrollRight();
    TakeTool(4);
    Enter("BED");
    EXPECT_EQ(Game->World().GetDefaultCursor(), 0);
    Enter("WORKSHOP");
    EXPECT_EQ(Shop().HeldTool(), 0);
    EXPECT_EQ(Frame("T4"), 1);
    EXPECT_EQ(Frame("D4"), 1) << "its drawer stays open";
    TakeTool(4);
    Game->Click("GO_L_END");
    EXPECT_EQ(Shop().HeldTool(), 0);
}

TEST_F(WorkshopTools, ASoundEndingLeavesTheToolInTheHand) {
    EnterWith({});
    ScrollRight();
    TakeTool(3);
    Game->World().GetCurrentRoom()->RunScript("ENDOFSOUND", "14");
    EXPECT_EQ(Shop().HeldTool(), 3);
    EXPECT_EQ(Shown(), "");
}

// ---- hints

using WorkshopHints = WorkshopGame;

TEST_F(WorkshopHints, PointingAtABrokenToyLightsTheDrawerOfItsTool) {
    EnterWith({1});
    ScrollRight();
    const int tool = TWorkshopRoom::ToolOf(1);
    const THitBox& toy = Box(kToyBoxes[0]);
    const TPoint inside{toy.Rect.Left + 10, toy.Rect.Top + 10};
    const std::uint8_t before = Game->ViewPixel(664 - 400 + 2, 107 + 2);
    Game->MouseMove(inside);
    Game->Tick();
    EXPECT_TRUE(Shop().DrawerHinted(tool));
    EXPECT_NE(Game->ViewPixel(664 - 400 + 2, 107 + 2), before) << "the hinted front is drawn";
    EXPECT_EQ(Game->ViewCursor(), 1);
    Game->MouseMove({200, 300});
    Game->Tick();
    EXPECT_FALSE(Shop().DrawerHinted(tool));
    EXPECT_EQ(Game->ViewPixel(664 - 400 + 2, 107 + 2), before);

    // With its drawer open the tool itself lights up.
    Game->Click(kDrawerBoxes[std::size_t(tool - 1)]);
    Game->MouseMove(inside);
    EXPECT_EQ(Frame("T" + std::to_string(tool)), 2);
    Game->MouseMove({200, 300});
    EXPECT_EQ(Frame("T" + std::to_string(tool)), 1);

    // Holding the right tool, nothing is hinted and the pointer is the tool.
    Game->Click(kToolBoxes[std::size_t(tool - 1)]);
    Game->MouseMove(inside);
    EXPECT_EQ(Frame("T" + std::to_string(tool)), 0);
    EXPECT_EQ(Game->ViewCursor(), tool + 21);
}

// ---- the room around

using WorkshopHouse = WorkshopGame;

TEST_F(WorkshopHouse, ScrollingCarriesTheBoxesOfThePictureAlong) {
    EnterWith({});
    EXPECT_TRUE(Enabled("GO_R_END"));
    EXPECT_FALSE(Enabled("GO_L_END"));
    EXPECT_EQ(Box("#563D1").Rect.Left, 563);
    ScrollRight();
    EXPECT_EQ(Box("#563D1").Rect.Left, 163);
    EXPECT_EQ(Box("#724R10").Rect.Left, 324);
    EXPECT_EQ(Set("WORKSHOP", "MR").X, 270);
    EXPECT_FALSE(Enabled("GO_R_END"));
    EXPECT_TRUE(Enabled("GO_L_END"));
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Game->Room()->ScrollOffset, 400) << "the room keeps its end across visits";
    EXPECT_TRUE(Enabled("GO_L_END"));
}

TEST_F(WorkshopHouse, TheDoorsToRoomsNotInTheHouseStayShutAndOpenOnceThereIs) {
    const std::array<std::pair<const char*, const char*>, 5> doors{{
        {"#012PZL", "PUZZLE"}, {"#096DOL", "DOLLS"}, {"#384CON", "CONC"}, {"#566SLT", "SLATE"}, {"#652TRN", "TRAINS"}}};
    EnterWith({});
    for (const auto& [box, room] : doors)
        EXPECT_EQ(Enabled(box), Game->World().FindRoom(room) != nullptr) << box;
    AddStandIn<TStandInPuzzle>("PUZZLE");
    AddStandIn<TStandInTrains>("TRAINS");
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_TRUE(Enabled("#012PZL"));
    Game->Click("#012PZL");
    EXPECT_EQ(Game->RoomName(), "PUZZLE");
    Enter("WORKSHOP");
    ScrollRight();
    Game->Click("#652TRN");
    EXPECT_EQ(Game->RoomName(), "TRAINS");
    EXPECT_EQ(Shown(), "");
}

TEST_F(WorkshopHouse, TheRoomButtonLeadsHereAndTheTutorToItsHelpPages) {
    EnterWith({});
    EXPECT_EQ(Game->Window().HomeIndex, 2);
    Enter("BED");
    Game->Click("DOOR");
    ASSERT_EQ(Nav(2), TNavState::Normal);
    Game->PressNav(2);
    Game->Tick();
    ASSERT_EQ(Game->RoomName(), "WORKSHOP");
    Game->PressTutor();
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "WSTEXT>");
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "WS2<");
    Game->Click("PREV");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "WORKSHOP");
    EXPECT_EQ(Shown(), "");
}

TEST_F(WorkshopHouse, TheLittleLayoutShowsTheTrainTablesFirstCell) {
    auto& trains = AddStandIn<TStandInTrains>("TRAINS");
    trains.Terrain = 2;
    EnterWith({});
    EXPECT_EQ(Frame("MR"), 2);
    trains.Terrain = 7;  // nothing the layout has a frame for
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Frame("MR"), 0);
}

// ---- the work table

using WorkTable = WorkshopGame;

TEST_F(WorkTable, ThePuzzleMachineTheDollsPartsAndTheCardGameFollowTheirRooms) {
    auto& puzzle = AddStandIn<TStandInPuzzle>("PUZZLE");
    auto& dolls = AddStandIn<TStandInDolls>("DOLLS");
    auto& cards = AddStandIn<TStandInCards>("CONC");
    EnterWith({});
    const std::uint8_t machineEmpty = Game->ViewPixel(40, 130);
    const std::uint8_t noBar = Game->ViewPixel(20, 234);
    const std::uint8_t noHead = Game->ViewPixel(352, 45);
    const std::uint8_t noFace = Game->ViewPixel(380 + 33 + 6, 60 + 13 + 8);
    const std::uint8_t noCard = Game->ViewPixel(380 + 21 + 6, 60 + 108 + 7);

    puzzle.Number = 2;
    dolls.Parts = {1, 0, 0, 2};
    cards.View.FaceLit[0] = true;
    cards.View.CardCount = 4;
    cards.View.CurrentDeck = 1;
    cards.View.Cards[0] = {true, false, false, 0};
    cards.View.Cards[1] = {true, true, false, 1};
    cards.View.Cards[2] = {false, false, true, 0};
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_NE(Game->ViewPixel(40, 130), machineEmpty) << "a puzzle in the machine";
    EXPECT_EQ(Game->ViewPixel(20, 234), kPuzzleBarColour);
    EXPECT_EQ(Game->ViewPixel(20, 244), kPuzzleBarColour) << "12 high for puzzle 2";
    EXPECT_NE(Game->ViewPixel(20, 234), noBar);
    EXPECT_NE(Game->ViewPixel(352, 45), noHead) << "head 1 hangs on the board";
    EXPECT_NE(Game->ViewPixel(380 + 33 + 6, 60 + 13 + 8), noFace) << "face 0 is lit";
    EXPECT_NE(Game->ViewPixel(380 + 21 + 6, 60 + 108 + 7), noCard) << "the first card lies on the table";

    puzzle.Number = 3;
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Game->ViewPixel(20, 234), kPuzzleBarColour);
    EXPECT_NE(Game->ViewPixel(20, 240), kPuzzleBarColour) << "4 high for puzzle 3";
    // Answers out of their range draw nothing rather than read past a table.
    puzzle.Number = 9;
    dolls.Parts = {7, 9, 5, 200};
    cards.View.CardCount = 40;
    cards.View.CurrentDeck = 5;
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_EQ(Game->ViewPixel(40, 130), machineEmpty);
    EXPECT_EQ(Game->ViewPixel(352, 45), noHead);
    EXPECT_EQ(Shown(), "");
}

// Each card of the deck in play is cut from the deck's column of "wcardgfx" by its place
// among that deck's faces.
TEST_F(WorkTable, ACardOnTheTableShowsItsDecksOwnFacePicture) {
    auto& cards = AddStandIn<TStandInCards>("CONC");
    EnterWith({});
    THotImage sheet("wcardgfx", false, Game->World().GetImageLibrary());
    const auto shows = [&](TPoint onTable, TPoint inSheet) {
        for (std::int32_t y = 0; y < 15; ++y)
            for (std::int32_t x = 0; x < 12; ++x)
                if (Game->ViewPixel(380 + onTable.X + x, 60 + onTable.Y + y) !=
                    sheet.Image().GetPixel({inSheet.X + x, inSheet.Y + y}))
                    return false;
        return true;
    };
    cards.View.CardCount = 4;
    cards.View.CurrentDeck = 1;
    cards.View.Cards[0] = {true, true, false, 5};
    cards.View.Cards[1] = {false, true, false, 4};
    cards.View.Cards[2] = {false, false, false, 5};
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_TRUE(shows({21, 108}, {0, 90})) << "deck 1, its second face";
    EXPECT_TRUE(shows({21 + 17, 108}, {12, 75})) << "deck 1, its first face, second of the pair";
    EXPECT_TRUE(shows({21, 128}, {12, 0})) << "deck 1's back";

    cards.View.CurrentDeck = 2;
    cards.View.Cards[0] = {true, true, false, 16};
    Enter("BED");
    Enter("WORKSHOP");
    EXPECT_TRUE(shows({10, 108}, {24, 15 + 15 * 7})) << "deck 2, its last face";
    EXPECT_EQ(Shown(), "");
}

// ---- the saved game

using WorkshopSaved = WorkshopGame;

TEST_F(WorkshopSaved, TheWorkshopKeepsNothingInTheSavedGameAndStartsAfreshAfterARestart) {
    EnterWith({1});
    ScrollRight();
    Mend(1);
    TMemoryStream written;
    Shop().WriteData(written);
    EXPECT_EQ(written.Size(), 0) << "the shelves last for the run only";
    Restart();
    Game->Tick(2);
    EXPECT_EQ(Shown(), "");
    EXPECT_FALSE(Shop().ToysInitialised());
    EXPECT_FALSE(ToyWaitingBroken(Game->World(), 1));
    Game->Context().RandomNumbers().Seed(5);
    Enter("WORKSHOP");
    EXPECT_FALSE(Shop().ToyRepaired(1));
}

}  // namespace
}  // namespace workshop_tests
