// The doll theatre played through the headless game over the built content: the pickers, the
// wardrobe and its reveal, wearing and taking off, the curtains, the singing doll, leaving,
// the help page, the gift and the questions other rooms ask.
#include "tests/rooms/dolls/doll_game.h"

#include "rooms/questions/doll_parts.h"
#include "rooms/puzzle/puzzle_room.h"
#include "rooms/questions/gift_table.h"
#include "rooms/questions/puzzle_number.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/room_world.h"
#include "shell/world.h"
#include "shell/world_window.h"

namespace doll_tests {
namespace {

constexpr int kPartPickers = 4;

// Puts the puzzle of this size (2 to 4) on the machine the way a child does, from a shelf in
// the puzzle room.
void PutOnMachine(testing_support::TGameHarness& game, TPuzzleRoom& puzzles, std::uint8_t size) {
    game.World().GoRoom("PUZZLE");
    game.Tick(1);
    game.Click("DOWN");
    if (puzzles.Machine() != size) game.Click(puzzles.LeftShelf() == size ? "LPUZ" : "RPUZ");
    game.Tick(2);
}

// ---- the pickers

using DollPickers = DollGame;

TEST_F(DollPickers, EveryPickerChoosesItsPartAndFreesTheOneChosenBefore) {
    EnterDolls();
    const struct {
        char Kind;
        int Parts[2];
    } kinds[] = {{'T', {kDollTorso, kDollTorso}}, {'H', {kDollHead, kDollHead}},
                 {'A', {kDollArm1, kDollArm2}}, {'L', {kDollLeg1, kDollLeg2}}};
    for (const auto& kind : kinds) {
        for (int choice = 1; choice <= kPartPickers; ++choice) {
            const std::string name{kind.Kind, char('0' + choice)};
            Game->Click(name);
            for (const int part : kind.Parts) EXPECT_EQ(Doll().Part(part), choice) << name;
            EXPECT_EQ(Frame(name), 1) << name << " shows it is chosen";
            EXPECT_FALSE(Enabled(name)) << name << " cannot be chosen twice";
            for (int other = 1; other <= kPartPickers; ++other) {
                if (other == choice) continue;
                const std::string free{kind.Kind, char('0' + other)};
                EXPECT_EQ(Frame(free), 0) << free << " after " << name;
                EXPECT_TRUE(Enabled(free)) << free << " after " << name;
            }
        }
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollPickers, TheLastMissingPartMakesTheDollWholeAndOffersItsPhotoAndGift) {
    EnterDolls();
    EXPECT_FALSE(Enabled("DOLL"));
    EXPECT_FALSE(SnapAndWrapEnabled());
    Game->Click("T2");
    Game->Click("H3");
    Game->Click("A1");
    EXPECT_FALSE(Doll().IsComplete());
    EXPECT_FALSE(Enabled("DOLL"));
    EXPECT_EQ(Game->Window().ActionStates[0], TActionState::Disabled);
    Game->Click("L4");
    EXPECT_TRUE(Doll().IsComplete());
    EXPECT_TRUE(Enabled("DOLL"));
    EXPECT_TRUE(SnapAndWrapEnabled());
    EXPECT_EQ(Game->Window().ActionCommands[0], TActionCommand::Snap);
    EXPECT_EQ(Game->Window().ActionStates[0], TActionState::Normal) << "the camera button lights at once";
    EXPECT_EQ(Game->Window().ActionStates[1], TActionState::Normal);
    // The positions follow the choices: the head sits on torso 2 as head 3 does.
    EXPECT_EQ(Doll().PartPosition(kDollTorso), (TPoint{26, 65}));
    EXPECT_EQ(Doll().PartPosition(kDollHead), (TPoint{28, 35}));
    EXPECT_EQ(Doll().PartPosition(kDollLeg2), (TPoint{56, 112}));
}

TEST_F(DollPickers, PickerAndItemNamesOutsideTheirTablesAreIgnored) {
    EnterDolls();
    for (const char* sender : {"H5", "H0", "T", "Q1", "A12", ""}) Room().RunScript("DP", sender);
    for (const char* sender : {"R7", "R0", "X2", "C9", "C", "H1"}) {
        Room().RunScript("DR", sender);
        Room().RunScript("DX", sender);
        Room().RunScript("DH", sender);
    }
    for (int part = 1; part <= kDollPartCount; ++part) EXPECT_EQ(Doll().Part(part), 0);
    EXPECT_EQ(Doll().AccessoryR(), 0);
    EXPECT_EQ(Doll().AccessoryX(), 0);
    EXPECT_EQ(Doll().AccessoryC(), 0);
    EXPECT_EQ(Shown(), "");
}

// ---- the wardrobe

using DollWardrobe = DollGame;

TEST_F(DollWardrobe, OpeningRevealsEveryItemOneByOneInAShuffledOrder) {
    EnterDolls();
    for (int order = 1; order <= kDrawerItemCount; ++order) {
        EXPECT_EQ(Frame(DrawerItemName(order)), 1);
        EXPECT_FALSE(Enabled(DrawerItemName(order)));
    }
    Game->Click("DRAWER");
    EXPECT_TRUE(Room().DrawerOpen());
    EXPECT_EQ(Frame("DRAWER"), 1);
    auto order = Room().RevealOrder();
    std::array<std::uint8_t, kDrawerItemCount> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < kDrawerItemCount; ++i) EXPECT_EQ(sorted[std::size_t(i)], i + 1) << "each item once";
    Game->Tick(1);
    for (int shown = 1; shown <= kDrawerItemCount; ++shown) {
        Game->Tick(3);
        int visible = 0;
        for (int n = 1; n <= kDrawerItemCount; ++n) visible += Frame(DrawerItemName(n)) == 0 ? 1 : 0;
        EXPECT_EQ(visible, shown) << "one more every three ticks";
        const std::string newest = DrawerItemName(order[std::size_t(shown - 1)]);
        EXPECT_EQ(Frame(newest), 0) << "in the reveal order";
        EXPECT_TRUE(Enabled(newest));
    }
    EXPECT_EQ(Room().FindTimer(TTimerCode::Animate), nullptr) << "nothing left to reveal";
    // Another opening shuffles again.
    Game->Click("DRAWER");
    Game->Click("DRAWER");
    EXPECT_NE(Room().RevealOrder(), order);
}

TEST_F(DollWardrobe, ARobeIsWornTakenOffAndSwappedForAnother) {
    EnterDolls();
    ChooseAll('1');
    OpenWardrobe();
    Game->Click("R2");
    EXPECT_EQ(Doll().AccessoryR(), 2);
    EXPECT_EQ(Frame("R2"), 2) << "its place shows the empty hanger";
    Game->Click("R5");
    EXPECT_EQ(Doll().AccessoryR(), 5) << "one robe at a time";
    EXPECT_EQ(Frame("R2"), 0) << "the first robe is back in the wardrobe";
    EXPECT_EQ(Frame("R5"), 2);
    Game->Click("R5");
    EXPECT_EQ(Doll().AccessoryR(), 0) << "a second click takes it off";
    EXPECT_EQ(Frame("R5"), 0);
    // The three kinds are worn together.
    Game->Click("R1");
    Game->Click("X1");
    Game->Click("C4");
    EXPECT_EQ(Doll().AccessoryR(), 1);
    EXPECT_EQ(Doll().AccessoryX(), 1);
    EXPECT_EQ(Doll().AccessoryC(), 4);
    // The cap sits on the head: head 1 on torso 1 is at (28, 33), cap 4 42 pixels above.
    EXPECT_EQ(Doll().AccessoryPosition(2), (TPoint{29, -9}));
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollWardrobe, WornItemsStayOnWhenItClosesAndAreSkippedWhenItOpensAgain) {
    EnterDolls();
    OpenWardrobe();
    Game->Click("C2");
    Game->Click("X1");
    Game->Click("DRAWER");
    EXPECT_FALSE(Room().DrawerOpen());
    EXPECT_EQ(Frame("DRAWER"), 0);
    for (int order = 1; order <= kDrawerItemCount; ++order) {
        const std::string name = DrawerItemName(order);
        const bool worn = name == "C2" || name == "X1";
        EXPECT_EQ(Frame(name), worn ? 2 : 1) << name;
        EXPECT_EQ(Enabled(name), worn) << name << ": a worn one can still be taken off";
    }
    EXPECT_EQ(Doll().AccessoryC(), 2);
    Game->Click("DRAWER");
    Game->Tick(1 + 3 * 11);
    for (int order = 1; order <= kDrawerItemCount; ++order) {
        const std::string name = DrawerItemName(order);
        const bool worn = name == "C2" || name == "X1";
        EXPECT_EQ(Frame(name), worn ? 2 : 0) << name;
    }
    EXPECT_EQ(Room().FindTimer(TTimerCode::Animate), nullptr) << "eleven items, eleven steps";
    // Taken off while the wardrobe is shut, a piece goes back behind its doors.
    Game->Click("DRAWER");
    Game->Click("C2");
    EXPECT_EQ(Doll().AccessoryC(), 0);
    EXPECT_EQ(Frame("C2"), 1);
    EXPECT_FALSE(Enabled("C2"));
}

TEST_F(DollWardrobe, LeavingWithTheWardrobeOpenShutsItAndGoesTwentyTicksLater) {
    EnterDolls();
    Game->World().GoRoom("TREE");
    Game->Tick(1);
    Game->World().GoRoom("DOLLS");
    Game->Tick(1);
    Game->Click("DRAWER");
    Game->Tick(6);
    // The way out names the workshop; while the house has none it goes back the way it came.
    Game->Click("EXIT");
    EXPECT_FALSE(Room().DrawerOpen());
    EXPECT_EQ(Frame("DRAWER"), 0);
    Game->Tick(20);
    EXPECT_EQ(Game->RoomName(), "DOLLS");
    Game->Tick(1);
    const bool workshop = Game->World().FindRoom("WORKSHOP") != nullptr;
    EXPECT_EQ(Game->RoomName(), workshop ? "WORKSHOP" : "TREE");
    EXPECT_EQ(Shown(), "");
    // With the wardrobe shut it leaves at once.
    Game->World().GoRoom("DOLLS");
    Game->Tick(1);
    Room().RunScript("ALBUM", "EXIT");
    EXPECT_EQ(Game->RoomName(), "ALBUM");
}

// ---- the curtains and the song

using DollStage = DollGame;

TEST_F(DollStage, TheCurtainsOpenAfterFifteenTicksAndTenMore) {
    StartGame();
    Game->World().GoRoom("DOLLS");
    EXPECT_EQ(Room().CurtainStep(), 0);
    Game->Tick(15);
    EXPECT_EQ(Room().CurtainStep(), 0);
    Game->Tick(1);
    EXPECT_EQ(Room().CurtainStep(), 1);
    Game->Tick(9);
    EXPECT_EQ(Room().CurtainStep(), 1);
    Game->Tick(1);
    EXPECT_EQ(Room().CurtainStep(), 2);
    EXPECT_EQ(Room().FindTimer(TTimerCode::Delay), nullptr);
    // The open stage shows its backdrop where the closed curtains' velvet hung.
    EXPECT_EQ(Game->ViewPixel(235, 150), 115);
    // They close again for the next visit.
    Game->World().GoRoom("TREE");
    Game->World().GoRoom("DOLLS");
    EXPECT_EQ(Room().CurtainStep(), 0);
    EXPECT_EQ(Game->ViewPixel(235, 150), 18);
}

TEST_F(DollStage, TheCurtainsWaitWhileTheWardrobeIsBeingFilled) {
    StartGame();
    Game->World().GoRoom("DOLLS");
    Game->Tick(14);
    Game->Click("DRAWER");
    Game->Tick(1);
    EXPECT_EQ(Room().CurtainStep(), 0) << "the reveal is still running";
    Game->Tick(3 * kDrawerItemCount + 10);
    EXPECT_EQ(Room().CurtainStep(), 1);
    Game->Tick(10);
    EXPECT_EQ(Room().CurtainStep(), 2);
}

TEST_F(DollStage, AWholeDollSingsItsHeadsSongForTenTicks) {
    EnterDolls();
    for (const char head : {'1', '2', '3', '4'}) {
        ChooseAll(head);
        const std::size_t before = Heard().size();
        Game->Click("DOLL");
        EXPECT_TRUE(Doll().Singing);
        const std::vector<int> heard = Heard();
        ASSERT_EQ(heard.size(), before + 1);
        EXPECT_EQ(heard.back(), 40 + (head - '0')) << "the song of head " << head;
        // The mouth is open: the singing head's picture stands on the stage.
        Room().RunScript("SING", "DOLL");
        EXPECT_EQ(Heard().size(), before + 1) << "one song at a time";
        Game->Tick(10);
        EXPECT_TRUE(Doll().Singing);
        Game->Tick(1);
        EXPECT_FALSE(Doll().Singing);
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollStage, TheSingingHeadIsDrawnWithItsMouthOpen) {
    EnterDolls();
    ChooseAll('1');
    const TPoint head = Doll().PartPosition(kDollHead);
    const TRect quiet = DollPartSource(kDollHead, 1);
    // The mouth's row, in the middle of the face.
    const std::int32_t x = kStageDollOrigin.X + head.X + RectWidth(quiet) / 2;
    std::vector<std::uint8_t> before, during;
    for (std::int32_t y = 0; y < RectHeight(quiet); ++y) before.push_back(Game->ViewPixel(x, kStageDollOrigin.Y + head.Y + y));
    Game->Click("DOLL");
    for (std::int32_t y = 0; y < RectHeight(quiet); ++y) during.push_back(Game->ViewPixel(x, kStageDollOrigin.Y + head.Y + y));
    EXPECT_NE(before, during);
    Game->Tick(11);
    std::vector<std::uint8_t> after;
    for (std::int32_t y = 0; y < RectHeight(quiet); ++y) after.push_back(Game->ViewPixel(x, kStageDollOrigin.Y + head.Y + y));
    EXPECT_EQ(after, before);
}

// ---- the other rooms' questions and the gift

using DollHouse = DollGame;

TEST_F(DollHouse, TheWorkTableSeesTheDollsParts) {
    EnterDolls();
    EXPECT_EQ(CurrentDollParts(Game->World()), TDollPartChoices{});
    Game->Click("H2");
    Game->Click("A4");
    Game->Click("L3");
    EXPECT_EQ(CurrentDollParts(Game->World()), (TDollPartChoices{2, 0, 4, 3}));
}

TEST_F(DollHouse, TheShelfShowsThePuzzleOnTheMachineWithItsProgressBar) {
    EnterDolls();
    auto& puzzles = Game->RoomAs<TPuzzleRoom>("PUZZLE");
    const auto barHeight = [&] {
        int height = 0;
        while (height < 20 && Game->ViewPixel(10, 257 + height) == 181 && Game->ViewPixel(13, 257 + height) == 181) ++height;
        return height;
    };
    // The puzzle's size less one is its number; the bar marks the bigger two.
    const struct {
        std::uint8_t Size;
        int Bar;
    } cases[] = {{2, 0}, {3, 11}, {4, 4}};
    for (const auto& c : cases) {
        PutOnMachine(*Game, puzzles, c.Size);
        ASSERT_EQ(CurrentPuzzleNumber(Game->World()), c.Size - 1);
        Game->World().GoRoom("TREE");
        Game->World().GoRoom("DOLLS");
        Game->Tick(1);
        EXPECT_EQ(Frame("PUZ"), 1) << "size " << int(c.Size);
        EXPECT_TRUE(Enabled("PUZ")) << "size " << int(c.Size);
        EXPECT_EQ(barHeight(), c.Bar) << "size " << int(c.Size);
    }
    Game->Click("PUZ");
    EXPECT_EQ(Game->RoomName(), "PUZZLE");
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollHouse, TheDollLastsUntilTheRoomIsTakenDown) {
    EnterDolls();
    ChooseAll('3');
    Game->World().GoRoom("BED");
    EXPECT_EQ(CurrentDollParts(Game->World()).Head, 3) << "leaving keeps the doll";
    Room().ReleaseGraphics(true);
    EXPECT_EQ(CurrentDollParts(Game->World()).Head, 0);
}

TEST_F(DollHouse, WrapGivesTheHeadAsTheGiftsDetailAndLeavesAnEmptyDoll) {
    EnterDolls();
    ChooseAll('3');
    OpenWardrobe();
    Game->Click("R4");
    Game->PressAction(2);
    EXPECT_EQ(Game->RoomName(), "WRAP");
    const TGift* gift = Game->RoomAs<TWrapRoom>("WRAP").Gift();
    ASSERT_NE(gift, nullptr);
    EXPECT_EQ(gift->Kind, kDollGift);
    EXPECT_EQ(gift->Detail, 2) << "head 3";
    // Back in the theatre: a new doll, nothing chosen, the wardrobe shut.
    EXPECT_FALSE(Room().Doll().IsComplete());
    EXPECT_EQ(Doll().Part(kDollHead), 0);
    EXPECT_EQ(Doll().AccessoryR(), 0);
    EXPECT_FALSE(SnapAndWrapEnabled());
    EXPECT_FALSE(Room().DrawerOpen());
    Game->World().GoRoom("DOLLS");
    Game->Tick(1);
    EXPECT_EQ(Game->Window().ActionStates[0], TActionState::Disabled);
    EXPECT_EQ(Game->Window().ActionStates[1], TActionState::Disabled);
    EXPECT_EQ(Frame("H3"), 0);
    EXPECT_TRUE(Enabled("H3"));
    EXPECT_EQ(Frame("R4"), 1);
    EXPECT_FALSE(Enabled("R4"));
    EXPECT_FALSE(Enabled("DOLL"));
    EXPECT_EQ(Frame("DRAWER"), 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollHouse, TheTutorButtonOpensTheHelpPagesAndBack) {
    EnterDolls();
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "DTEXT>");
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "DT2<");
    Game->Click("PREV");
    EXPECT_EQ(Game->RoomName(), "DTEXT>");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "DOLLS");
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollHouse, TheDollLastsForTheRunOnly) {
    EnterDolls();
    ChooseAll('4');
    OpenWardrobe();
    Game->Click("C5");
    Game->Restart();
    Game->World().GoRoom("DOLLS");
    Game->Tick(1);
    EXPECT_EQ(Doll().Part(kDollHead), 0);
    EXPECT_EQ(Doll().AccessoryC(), 0);
    EXPECT_EQ(Frame("H4"), 0);
    EXPECT_EQ(Frame("C5"), 1);
    EXPECT_FALSE(Enabled("C5"));
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace doll_tests
