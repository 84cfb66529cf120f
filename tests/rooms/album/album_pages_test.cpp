// Leafing through the album: the cover, the page walk, the boxes, the pictures on their pages,
// hanging and deleting.
#include "tests/rooms/album/album_fixture.h"

#include "engine/graphics/hot_image.h"

namespace album_test {
namespace {

using Pages = std::vector<int>;

// Pages FWD visits from the front cover, then BACK from the back cover.
std::pair<Pages, Pages> Walk(AlbumTest& test, testing_support::TGameHarness& game, TAlbumRoom& album) {
    Pages forward{album.CurrentPage()};
    while (album.FindHitBox("FWD")->IsEnabled() && forward.size() < 20) {
        game.Click("FWD");
        forward.push_back(album.CurrentPage());
    }
    Pages back{album.CurrentPage()};
    while (album.FindHitBox("BACK")->IsEnabled() && back.size() < 20) {
        game.Click("BACK");
        back.push_back(album.CurrentPage());
    }
    (void)test;
    return {forward, back};
}

TEST_F(AlbumTest, AnEmptyAlbumShowsItsFrontCoverAtOnceAndLeadsToPageOne) {
    Start();
    Game->World().GoRoom("ALBUM");
    TAlbumRoom& album = Album();
    EXPECT_FALSE(album.CoverShown());
    EXPECT_EQ(album.CurrentPage(), 0);
    EXPECT_EQ(album.GetBackgroundName(), "album_fo");
    EXPECT_FALSE(Enabled("BACK"));
    EXPECT_FALSE(Enabled("LEFT"));
    EXPECT_FALSE(Enabled("RIGHT"));
    EXPECT_TRUE(Enabled("FWD"));
    Game->Click("FWD");
    EXPECT_EQ(album.CurrentPage(), 1);
    EXPECT_EQ(album.GetBackgroundName(), "album_fi");
    EXPECT_EQ(Shown(), "");
}

TEST_F(AlbumTest, BackAndForwardWalkAlbumsOfNoneToSixPictures) {
    const std::vector<std::pair<Pages, Pages>> expected = {
        {{0, 1, 2, 3}, {3, 2, 1, 0}},          {{0, 1, 2, 3}, {3, 2, 1, 0}},
        {{0, 1, 2, 3}, {3, 2, 1, 0}},          {{0, 1, 3, 4, 5}, {5, 4, 2, 1, 0}},
        {{0, 1, 3, 4, 5}, {5, 4, 2, 1, 0}},    {{0, 1, 3, 5, 6, 7}, {7, 6, 4, 2, 1, 0}},
        {{0, 1, 3, 5, 6, 7}, {7, 6, 4, 2, 1, 0}}};
    Start();
    for (int count = 0; count <= 6; ++count) {
        SCOPED_TRACE("pictures: " + std::to_string(count));
        Game->World().GoRoom("TITLE");
        while (Album().Count() < count) Add(static_cast<std::uint8_t>(20 + Album().Count()));
        Open();
        while (Enabled("BACK")) Game->Click("BACK");
        EXPECT_EQ(Walk(*this, *Game, Album()), expected[std::size_t(count)]);
        EXPECT_EQ(Album().LastPage(), count == 0 ? 3 : count + count % 2 + 1);
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(AlbumTest, BoxesFollowThePageAndAreAllOffUnderTheClosedCover) {
    Start();
    for (int i = 0; i < 3; ++i) Add(30);
    Game->World().GoRoom("ALBUM");
    ASSERT_TRUE(Album().CoverShown());
    EXPECT_EQ(Album().GetBackgroundName(), "album_fo");
    for (const char* box : {"BACK", "FWD", "LEFT", "RIGHT"}) EXPECT_FALSE(Enabled(box)) << box;
    EXPECT_FALSE(Album().CanHang());
    EXPECT_FALSE(Album().HasCurrentPicture());
    EXPECT_EQ(Command(1), TActionCommand::Hang);
    EXPECT_EQ(Action(1), TActionState::Disabled);
    Game->Tick(19);
    EXPECT_TRUE(Album().CoverShown()) << "the cover stays for 20 ticks";
    Game->Tick(2);
    ASSERT_FALSE(Album().CoverShown());
    EXPECT_EQ(Action(1), TActionState::Normal);

    // page: BACK FWD LEFT RIGHT, for three pictures (last page 5).
    const std::vector<std::array<bool, 4>> table = {{false, true, false, false}, {true, true, false, false},
                                                    {true, true, false, true},   {true, true, true, false},
                                                    {true, true, false, false},  {true, false, false, false}};
    // The forward walk visits 0, 1, 3, 4, 5 and the walk back 4, 2, 1, 0: every page.
    auto check = [&] {
        const int page = Album().CurrentPage();
        SCOPED_TRACE("page " + std::to_string(page));
        const std::array<bool, 4> enabled{Enabled("BACK"), Enabled("FWD"), Enabled("LEFT"), Enabled("RIGHT")};
        EXPECT_EQ(enabled, table.at(std::size_t(page)));
        EXPECT_EQ(Album().HasCurrentPicture(), page >= 1 && page <= 3);
    };
    while (Enabled("BACK")) Game->Click("BACK");
    check();
    while (Enabled("FWD")) {
        Game->Click("FWD");
        check();
    }
    while (Enabled("BACK")) {
        Game->Click("BACK");
        check();
    }
}

TEST_F(AlbumTest, TheAlbumOpensOnTheLastPictureWhenItsPageLiesPastIt) {
    Start();
    for (int i = 0; i < 3; ++i) Add(30);
    Open();
    EXPECT_EQ(Album().CurrentPage(), 3) << "a new snapshot is the current page";
    while (Enabled("FWD")) Game->Click("FWD");
    EXPECT_EQ(Album().CurrentPage(), 5);
    EXPECT_EQ(Album().GetBackgroundName(), "album_bo");
    Game->World().GoRoom("TITLE");
    Game->World().GoRoom("ALBUM");
    EXPECT_TRUE(Album().CoverShown());
    Game->Tick(21);
    EXPECT_EQ(Album().CurrentPage(), 3);
    EXPECT_EQ(Album().GetBackgroundName(), "album");
}

TEST_F(AlbumTest, OnePictureShowsOnTheRightBesideTheFrontCoversInside) {
    Start();
    Add(40);
    Open();
    TAlbumRoom& album = Album();
    ASSERT_EQ(album.CurrentPage(), 1);
    EXPECT_EQ(album.GetBackgroundName(), "album_fi");
    // The 200 x 138 thumbnail in the middle of the right page, with its frames.
    const TRect thumb = MakeBounds(256 + 28, 91, 200, 138);
    EXPECT_EQ(album.FindHitBox("RIGHT")->Rect, thumb);
    EXPECT_EQ(Game->ViewPixel(thumb.Left + 50, thumb.Top + 50), 40);
    EXPECT_EQ(Game->ViewPixel(thumb.Left, thumb.Top), 1) << "the snapshot's own border";
    EXPECT_EQ(Game->ViewPixel(thumb.Left - 1, thumb.Top + 10), 255);
    EXPECT_EQ(Game->ViewPixel(thumb.Left - 2, thumb.Top + 10), 255);
    EXPECT_EQ(Game->ViewPixel(thumb.Left - 7, thumb.Top + 10), 254) << "the current page's frame";
    EXPECT_EQ(Game->ViewPixel(thumb.Right + 6, thumb.Bottom + 6), 254);
    // The page number 1: the digit's cell at x 256 + 5 + 123, drawn in dark brown.
    bool digitInk = false;
    for (int y = 2; y < 16; ++y)
        for (int x = 384; x < 394; ++x) digitInk = digitInk || Game->ViewPixel(x, y) == 1;
    EXPECT_TRUE(digitInk);
    Game->Click("FWD");
    EXPECT_EQ(album.CurrentPage(), 2);
    EXPECT_EQ(album.GetBackgroundName(), "album_bi");
    Game->Click("FWD");
    EXPECT_EQ(album.GetBackgroundName(), "album_bo");
    EXPECT_EQ(Shown(), "");
}

TEST_F(AlbumTest, HangingMakesTheHungPictureWithItsBorderAndRefusesTheSamePictureAgain) {
    Start();
    Add(50);
    Add(60);
    Open();
    ASSERT_EQ(Album().CurrentPage(), 2);
    ASSERT_TRUE(Album().CanHang());
    Game->PressAction(1);
    EXPECT_EQ(Album().HungPage(), 0) << "the work waits a tick so the button shows pressed";
    Game->Tick(2);
    EXPECT_EQ(Album().HungPage(), 2);
    ASSERT_TRUE(Album().HasHungPicture());
    TAC8ImageData& hung = Album().HungPicture()->Image();
    EXPECT_EQ(hung.Width(), 103);
    EXPECT_EQ(hung.Height(), 71);
    EXPECT_EQ(hung.GetPixel({0, 30}), 0);
    EXPECT_EQ(hung.GetPixel({30, 0}), 0);
    EXPECT_EQ(hung.GetPixel({102, 30}), 255);
    EXPECT_EQ(hung.GetPixel({30, 70}), 255);
    EXPECT_EQ(hung.GetPixel({50, 35}), 60);
    EXPECT_FALSE(Album().CanHang());
    EXPECT_EQ(Action(1), TActionState::Disabled);
    // The hang icon at the foot of the left page.
    bool icon = false;
    for (int y = 283; y < 313; ++y)
        for (int x = 14; x < 42; ++x) icon = icon || Game->ViewPixel(x, y) == 1;
    EXPECT_TRUE(icon);

    // The living room's frame: the wall colour with the picture in its middle.
    std::unique_ptr<THotImage> wall = THotImage::CreateBlank(120, 90, Game->World().GetImageLibrary());
    Album().DrawHungPicture(wall->Image(), MakeBounds(5, 5, 110, 80));
    EXPECT_EQ(wall->Image().GetPixel({6, 6}), 135);
    EXPECT_EQ(wall->Image().GetPixel({5 + 3, 5 + 4}), 0) << "the picture's top-left at the centred place";
    EXPECT_EQ(wall->Image().GetPixel({60, 45}), 60);
}

TEST_F(AlbumTest, DeletingNeedsShiftAndMovesTheHungPageWithItsPicture) {
    Start();
    for (std::uint8_t fill : {71, 72, 73, 74}) Add(fill);
    Open();
    // Hang picture 3, then delete picture 1: the hung page follows its picture to 2.
    Game->Click("BACK");
    Game->Click("RIGHT");
    ASSERT_EQ(Album().CurrentPage(), 3);
    Game->PressAction(1);
    Game->Tick(2);
    ASSERT_EQ(Album().HungPage(), 3);
    while (Album().CurrentPage() > 1) Game->Click("BACK");
    ASSERT_EQ(Album().CurrentPage(), 1);

    Game->SetKeys(false, false, true);
    Game->Tick(1);
    Game->SetKeys(false, false, false);
    Game->Tick(1);
    EXPECT_EQ(Album().Count(), 4) << "Delete without Shift is ignored";
    EXPECT_EQ(Shown(), "") << "and not reported as an unknown script";

    Game->SetKeys(true, false, true);
    Game->Tick(1);
    Game->SetKeys(false, false, false);
    Game->Tick(1);
    ASSERT_EQ(Album().Count(), 3);
    EXPECT_EQ(static_cast<TTestSnapshot&>(*Album().Entry(1)->Snapshot).Fill, 72);
    EXPECT_EQ(Album().HungPage(), 2);
    EXPECT_EQ(static_cast<TTestSnapshot&>(*Album().Entry(2)->Snapshot).Fill, 73);

    // Deleting the hung picture's page clears the hung page; the picture stays on the wall.
    Game->Click("FWD");
    Game->Click("LEFT");
    ASSERT_EQ(Album().CurrentPage(), 2);
    Game->SetKeys(true, false, true);
    Game->Tick(1);
    Game->SetKeys(false, false, false);
    Game->Tick(1);
    EXPECT_EQ(Album().Count(), 2);
    EXPECT_EQ(Album().HungPage(), 0);
    EXPECT_TRUE(Album().HasHungPicture());
    EXPECT_EQ(Album().CurrentPage(), 2);

    // On the cover there is nothing to delete.
    while (Enabled("BACK")) Game->Click("BACK");
    Game->SetKeys(true, false, true);
    Game->Tick(1);
    EXPECT_EQ(Album().Count(), 2);
    EXPECT_EQ(Shown(), "");
}

TEST_F(AlbumTest, DeletingTheLastPictureTurnsBackWhenItsPageBecomesTheBackCover) {
    Start();
    Add(10);
    Open();
    ASSERT_EQ(Album().CurrentPage(), 1);
    Game->SetKeys(true, false, true);
    Game->Tick(1);
    EXPECT_EQ(Album().Count(), 0);
    EXPECT_EQ(Album().CurrentPage(), 1);
    EXPECT_EQ(Album().GetBackgroundName(), "album_fi");
    EXPECT_FALSE(Album().HasCurrentPicture());
}

TEST_F(AlbumTest, ActionButtonsAreSetForTheRoomNowCurrentAfterTheTutorButton) {
    Start(true);
    Add(10);
    Open();
    EXPECT_EQ(Command(2), TActionCommand::Print);
    EXPECT_EQ(Action(2), TActionState::Normal);
    Game->PressTutor();
    ASSERT_EQ(Game->RoomName(), "PATEXT>");
    EXPECT_NE(Command(1), TActionCommand::Hang);
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "PA2<");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "PATEXT>");
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace album_test
