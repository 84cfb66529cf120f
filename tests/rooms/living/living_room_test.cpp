// The living room as the child finds it: the ways in, the scroll between the tree end and the
// clock end (and what is offered at each), the tree and its photo, the hung picture, the fire,
// the host's gift and the help pages.
#include "tests/rooms/living/living_game.h"

#include "foundation/stream.h"
#include "rooms/album/album_room.h"
#include "rooms/tree/tree_room.h"
#include "rooms/tree/tree_snapshot.h"
#include "rooms/wrap/gift.h"
#include "shell/world_window.h"

namespace living_tests {
namespace {

class LivingRoom : public LivingGame {
protected:
    TAlbumRoom& Album() { return Game->RoomAs<TAlbumRoom>("ALBUM"); }
    TActionState SnapButton() { return Game->Window().ActionStates[0]; }
};

TEST_F(LivingRoom, TheRoomButtonAndTheBedroomDoorwayLeadHere) {
    StartGame();
    Go("BED");
    Game->Click("DOOR");
    Game->Click("DOORWAY");
    EXPECT_EQ(Game->RoomName(), "LIVING");
    Go("BED");
    Game->PressNav(3);
    EXPECT_EQ(Game->RoomName(), "LIVING");
    EXPECT_EQ(Game->Window().HomeIndex, 3);
    EXPECT_EQ(Living().Width, 912);
    EXPECT_EQ(Shown(), "");
}

TEST_F(LivingRoom, ScrollsToTheClockEndInEightStepsAndOffersTheTreeOnlyAtItsEnd) {
    EnterLiving();
    EXPECT_TRUE(Enabled("TREE"));
    EXPECT_TRUE(Enabled("GO_R_END"));
    EXPECT_FALSE(Enabled("GO_L_END"));
    EXPECT_TRUE((Living().Flags & kRoomSnapEnabled) != 0);
    EXPECT_EQ(Game->Window().ActionCommands[0], TActionCommand::Snap);
    EXPECT_EQ(SnapButton(), TActionState::Normal);

    Game->Click("GO_R_END");
    EXPECT_EQ(Living().ScrollOffset, 50);
    EXPECT_FALSE(Enabled("TREE")) << "away from the tree as soon as it moves";
    EXPECT_EQ(SnapButton(), TActionState::Disabled);
    std::vector<std::int32_t> offsets{Living().ScrollOffset};
    for (int i = 0; i < 20; ++i) {
        Game->Tick();
        if (Living().ScrollOffset != offsets.back()) offsets.push_back(Living().ScrollOffset);
    }
    EXPECT_EQ(offsets, (std::vector<std::int32_t>{50, 100, 150, 200, 250, 300, 350, 400}));
    EXPECT_TRUE(Enabled("GO_L_END"));
    EXPECT_FALSE(Enabled("GO_R_END"));
    EXPECT_FALSE(Enabled("TREE"));
    EXPECT_TRUE((Living().Flags & kRoomSnapEnabled) == 0);
    EXPECT_TRUE(Enabled("#678")) << "the clock's box stays with the clock";
    EXPECT_EQ(Box("#678").Rect.Left, 678 - 400);

    ScrollToTree();
    EXPECT_EQ(Living().ScrollOffset, 0);
    EXPECT_TRUE(Enabled("TREE"));
    EXPECT_EQ(SnapButton(), TActionState::Normal);
    // The room keeps its place across visits.
    ScrollToClock();
    Go("BED");
    Go("LIVING");
    EXPECT_EQ(Living().ScrollOffset, 400);
    EXPECT_FALSE(Enabled("TREE"));
    EXPECT_TRUE(Enabled("GO_L_END"));
}

TEST_F(LivingRoom, TheTreeTheAlbumAndTheWrappingTableAreReachedFromHere) {
    EnterLiving();
    Game->Click("TREE");
    EXPECT_EQ(Game->RoomName(), "TREE");
    Go("LIVING");
    ScrollToClock();
    Game->Click("#784");
    EXPECT_EQ(Game->RoomName(), "ALBUM");
    Go("LIVING");
    if (Game->World().FindRoom("WRAP") != nullptr) {
        Game->Click("#530");
        EXPECT_EQ(Game->RoomName(), "WRAP");
    } else {
        EXPECT_FALSE(Enabled("#530")) << "no wrapping table, no way to it";
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(LivingRoom, TheTreeOfTheTreeRoomStandsHereAndItsPhotoGoesIntoTheAlbum) {
    StartGame();
    Go("TREE");
    Game->Click("A2");
    Game->Click("L1");
    Game->Click("B05");
    Go("LIVING");
    // The tree's picture is drawn at x 87: its pot's gold band shows there.
    auto& tree = Game->RoomAs<TTreeRoom>("TREE").Tree();
    EXPECT_EQ(tree.TopChoice(), 2);
    TMemoryStream before;
    WriteTreeSnapshot(tree, before);

    ForgetSounds();
    Game->PressAction(1);
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kTreeSnapshotKind);
    TMemoryStream snapped;
    FindSnapshotKind(kTreeSnapshotKind)->Write(*Album().Entry(1)->Snapshot, snapped);
    EXPECT_EQ(snapped.Bytes(), before.Bytes()) << "the album keeps the tree as it stands";
    EXPECT_FALSE(NewSounds().empty()) << "the camera's shutter";

    // Shown, printed and kept: the album draws it, the headless printer takes it, a restart
    // keeps it.
    Go("ALBUM");
    Game->Tick(21);
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kTreeSnapshotKind);
    EXPECT_EQ(Shown(), "");
}

TEST_F(LivingRoom, TheHungPictureShowsInTheFrameAboveTheFire) {
    StartGame();
    Go("LIVING");
    // Nothing hung: the frame's cork.
    EXPECT_EQ(Game->ViewPixel(440, 50), 135);
    Game->PressAction(1);
    Game->Tick(12);
    Go("ALBUM");
    Game->Tick(21);
    Game->PressAction(1);
    Game->Tick(3);
    ASSERT_TRUE(Album().HasHungPicture());
    Go("LIVING");
    int picture = 0;
    for (std::int32_t y = 31; y < 108; ++y)
        for (std::int32_t x = 400; x < 493; ++x)
            if (Game->ViewPixel(x, y) != 135) ++picture;
    EXPECT_GT(picture, 1000) << "the photo of the tree hangs in the frame";
    EXPECT_EQ(Shown(), "");
}

TEST_F(LivingRoom, TheFireFlickersWhileTheGameIsIdle) {
    EnterLiving();
    std::set<int> frames;
    for (int i = 0; i < 40; ++i) {
        Game->Tick();
        frames.insert(Frame("FIRE"));
    }
    EXPECT_GE(frames.size(), 3u);
    for (const int frame : frames) EXPECT_LT(frame, Set("FIRE").GetFrameCount());
}

TEST_F(LivingRoom, TheHostsGiftIsMadeAtEveryEntryTaggedInNorthAmericanEnglish) {
    EnterLiving();
    const TGift* gift = Living().HostGift();
    ASSERT_NE(gift, nullptr);
    EXPECT_EQ(gift->Paper, 2);
    EXPECT_GE(gift->Ribbon, 1);
    EXPECT_LE(gift->Ribbon, 3);
    EXPECT_EQ(gift->Bow, 0);
    EXPECT_TRUE(gift->Tagged);
    EXPECT_EQ(gift->TagLanguage, kNorthAmericanTag);
    EXPECT_EQ(gift->TagX, 30);
    EXPECT_EQ(gift->TagY, 5);
    const std::vector<std::u16string> friends{u"Mrs. Fennick", u"Pomwick", u"The littlest elf", u"Uncle Juvrel"};
    EXPECT_NE(std::find(friends.begin(), friends.end(), gift->Recipient), friends.end());
    Go("BED");
    EXPECT_EQ(Living().HostGift(), nullptr) << "freed when the room is left";

    // Whatever languages the configuration allows.
    Config.Tags.fill(false);
    Config.Tags[7] = true;
    Go("LIVING");
    ASSERT_NE(Living().HostGift(), nullptr);
    EXPECT_EQ(Living().HostGift()->TagLanguage, kNorthAmericanTag);
}

TEST_F(LivingRoom, TheSlateToyIsHomeWhileNotOnTheWrappingTable) {
    EnterLiving();
    EXPECT_EQ(Frame("SLTU"), 1) << "no workshop holds it";
    EXPECT_EQ(Frame("SLTW"), 1);
    EXPECT_TRUE(Living().ClockPresent());
    EXPECT_TRUE(Living().RadioPresent());
    EXPECT_TRUE(Set("PEND").Visible);
    EXPECT_TRUE(Set("BIRD").Visible);
}

TEST_F(LivingRoom, TheTutorButtonOpensTheHelpPagesAndTheyComeBack) {
    EnterLiving();
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "LRTEXT>");
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "LR2<");
    Game->Click("PREV");
    EXPECT_EQ(Game->RoomName(), "LRTEXT>");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "LIVING");
    EXPECT_EQ(Shown(), "");
}

TEST_F(LivingRoom, KeepsNoRecordInTheSavedGameAndTheRoomsAfterItReadBack) {
    EnterLiving();
    TMemoryStream s;
    Living().WriteData(s);
    EXPECT_TRUE(s.Bytes().empty()) << "the gifts last until the program ends";
    Game->PressAction(1);
    Game->Tick(12);
    Restart();
    EXPECT_EQ(Album().Count(), 1);
    Go("LIVING");
    EXPECT_EQ(Living().GiftCount(), 0);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace living_tests
