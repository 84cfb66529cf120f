// What the kitchen keeps and gives: photos of a tray in the album (drawn, printed, kept across
// a restart), cookies wrapped as gifts from the kitchen and from the tray room, the hopper
// levels in the saved game, and the tray's stream refusing damaged cookies.
#include "tests/rooms/kitchen/kitchen_game.h"

#include "foundation/stream_values.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/kitchen/cookie_info.h"
#include "shell/qe_exception.h"
#include "tests/support/record_framing.h"

namespace kitchen_tests {
namespace {

class Keep : public KitchenGame {
protected:
    // Two cookies pressed and baked, the game standing in the tray room.
    void BakeTwo() {
        EnterKitchen();
        Pick(3, 2, 2);
        PressCookie();
        Pick(5, 5, 1);
        PressCookie();
        Bake();
    }

    // The album shows its newest page; how much of the tray's steel it shows.
    int SteelInTheAlbum() {
        Go("ALBUM");
        Game->Tick(21);
        return Game->CountViewPixels(234);
    }
};

std::vector<std::uint8_t> StreamOf(const TCookieTray& tray) {
    TMemoryStream s;
    WriteCookieTray(s, tray);
    return s.Bytes();
}

TEST_F(Keep, APhotoOfTheCoolingTrayDrawsPrintsAndStaysInTheAlbum) {
    BakeTwo();
    Game->Click("BACK");
    const TCookieTray cooling = Kitchen().CoolingTray();
    ASSERT_TRUE(ActionClickable(1));
    Game->PressAction(1);
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kCookieSnapshotKind);
    EXPECT_EQ(AlbumEntryStream(1), StreamOf(cooling));
    EXPECT_EQ(StreamOf(cooling).size(), 24u);
    EXPECT_EQ(Game->RoomName(), "KITCHEN") << "the photo leaves the cookies where they are";
    EXPECT_TRUE(TrayHoldsCookie(Kitchen().CoolingTray()));

    EXPECT_GT(SteelInTheAlbum(), 2000) << "the tray's steel on the page";
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    EXPECT_EQ(Printers.Jobs[0].Pictures.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);

    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kCookieSnapshotKind);
    EXPECT_EQ(AlbumEntryStream(1), StreamOf(cooling));
    EXPECT_EQ(Shown(), "");
}

TEST_F(Keep, APhotoFromTheTrayRoomKeepsTheBakedTray) {
    BakeTwo();
    const TCookieTray baked = Kitchen().MachineTray();
    ASSERT_TRUE(ActionClickable(1));
    Game->PressAction(1);
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(AlbumEntryStream(1), StreamOf(baked));
    EXPECT_EQ(baked[0], (TCookieSlot{3, 2, 2, 1}));
    EXPECT_EQ(baked[3], (TCookieSlot{5, 5, 1, 1}));
    EXPECT_GT(SteelInTheAlbum(), 2000);
    EXPECT_EQ(Shown(), "");
}

TEST_F(Keep, WrappingTheCoolingTrayPutsCookiesOnTheTableAndEmptiesIt) {
    BakeTwo();
    Game->Click("BACK");
    ASSERT_TRUE(ActionClickable(2));
    Game->PressAction(2);
    Game->Tick(1);
    ASSERT_NE(GiftOnTable(), nullptr);
    EXPECT_EQ(GiftOnTable()->Kind, kCookieGift);
    EXPECT_EQ(GiftOnTable()->Detail, 0);
    EXPECT_EQ(Game->RoomName(), "WRAP");
    EXPECT_FALSE(TrayHoldsCookie(Kitchen().CoolingTray()));
    Go("KITCHEN");
    EXPECT_EQ(Kitchen().Jar(), 0) << "wrapped cookies do not go into the jar";
    EXPECT_FALSE(RoomFlag(kRoomWrapEnabled));
}

TEST_F(Keep, WrappingTheBakedTrayInTheTrayRoomTakesItForGood) {
    BakeTwo();
    ASSERT_TRUE(ActionClickable(2));
    Game->PressAction(2);
    Game->Tick(1);
    const TGift* gift = GiftOnTable();
    ASSERT_NE(gift, nullptr);
    EXPECT_EQ(gift->Kind, kCookieGift);
    EXPECT_EQ(Game->RoomName(), "WRAP");
    EXPECT_FALSE(TrayHoldsCookie(Kitchen().MachineTray()));
    EXPECT_FALSE(Kitchen().TrayInOven());
    EXPECT_EQ(Kitchen().MachinePicture(1), nullptr);
    // Back in the tray room there is nothing left to give or photograph.
    Go("TRAY");
    EXPECT_FALSE(RoomFlag(kRoomWrapEnabled));
    EXPECT_FALSE(RoomFlag(kRoomSnapEnabled));
    Game->Room()->RunScript("", "WRAP");
    EXPECT_EQ(Game->RoomName(), "TRAY");
    EXPECT_EQ(GiftOnTable(), gift) << "no gift of an empty tray";
    Go("KITCHEN");
    EXPECT_FALSE(TrayHoldsCookie(Kitchen().CoolingTray())) << "the wrapped cookies do not come back";
    EXPECT_EQ(Shown(), "");
}

TEST_F(Keep, HopperLevelsSurviveARestartAndTheRecordIsExactlyThreeBytes) {
    EnterKitchen();
    PressCookie();
    PressCookie();
    Game->Click("#506BUT");
    const std::uint8_t flour = Kitchen().Level(THopper::Flour), butter = Kitchen().Level(THopper::Butter),
                       sugar = Kitchen().Level(THopper::Sugar);
    EXPECT_EQ(flour, 43);
    EXPECT_EQ(butter, 60);
    EXPECT_EQ(sugar, 52);
    TKitchenRoom fresh("KITCHEN");
    EXPECT_EQ(testing_support::CheckRoomRecordFraming(Kitchen(), fresh), "");
    TMemoryStream s;
    Kitchen().WriteData(s);
    EXPECT_EQ(s.Bytes(), (std::vector<std::uint8_t>{43, 60, 52}));

    Game->Restart();
    EXPECT_EQ(Kitchen().Level(THopper::Flour), flour);
    EXPECT_EQ(Kitchen().Level(THopper::Butter), butter);
    EXPECT_EQ(Kitchen().Level(THopper::Sugar), sugar);
    Go("KITCHEN");
    EXPECT_FALSE(Enabled("#506BUT"));
    EXPECT_TRUE(Enabled("#501FLR"));
    EXPECT_EQ(Shown(), "");
}

TEST(KitchenRecord, LevelsAboveFullAreTakenAsFull) {
    TKitchenRoom room("KITCHEN");
    TMemoryStream s(std::vector<std::uint8_t>{200, 61, 255});
    room.ReadData(s);
    EXPECT_EQ(room.Level(THopper::Flour), 59);
    EXPECT_EQ(room.Level(THopper::Butter), 60);
    EXPECT_EQ(room.Level(THopper::Sugar), 62);
    TMemoryStream empty(std::vector<std::uint8_t>{0, 0, 0});
    room.ReadData(empty);
    EXPECT_EQ(room.Level(THopper::Flour), 0);
    EXPECT_FALSE(room.CanStartBatch());
}

TEST(CookieStream, SixRecordsRoundTripAndDamageIsRefused) {
    TCookieTray tray{};
    tray[0] = {1, 1, 1, 1};
    tray[2] = {5, 5, 5, 1};
    tray[4] = {3, 4, 2, 0};  // eaten: the record stays, not present
    TCookieInfo info(tray);
    EXPECT_EQ(testing_support::CheckRecordFraming([&](TStream& s) { info.SaveToStream(s); },
                                                  [&](TStream& s) { info.LoadFromStream(s); },
                                                  [&](TStream& s) { info.SaveToStream(s); }),
              "");
    const auto damaged = [](std::vector<std::uint8_t> bytes, const char* why) {
        TCookieInfo read(TCookieTray{});
        read.Cookies[1] = {2, 2, 2, 1};
        bytes.resize(24, 0);
        TMemoryStream s(bytes);
        try {
            read.LoadFromStream(s);
            ADD_FAILURE() << why << ": accepted";
        } catch (const QEException& e) {
            EXPECT_STREQ(e.what(), "Saved game is damaged.") << why;
        }
        EXPECT_EQ(read.Cookies[1], (TCookieSlot{2, 2, 2, 1})) << why << ": a failed read changes nothing";
    };
    damaged({6, 1, 1, 1}, "a sixth shape");
    damaged({0, 1, 1, 1}, "a cookie without a shape");
    damaged({1, 6, 1, 1}, "a sixth decoration");
    damaged({1, 1, 0, 1}, "a cookie without a variant");
    damaged({1, 1, 1, 2}, "a present byte of 2");
    damaged({0, 0, 9, 0}, "an empty place out of range");
    TMemoryStream shortStream(std::vector<std::uint8_t>(23, 0));
    EXPECT_THROW(info.LoadFromStream(shortStream), std::exception);
}

TEST(CookieTray, TheMachineFillsItsPlacesInOneRound) {
    int place = 1;
    std::vector<int> order;
    for (int i = 0; i < 7; ++i) {
        order.push_back(place);
        place = NextTrayPlace(place);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 4, 5, 6, 3, 2, 1}));
    EXPECT_EQ(ShapeCode(1), "st");
    EXPECT_EQ(ShapeCode(5), "sn");
    // Icons: the plain row, the colours (the last two share a row), the iced row.
    EXPECT_EQ(CookieIconSource({2, 1, 3, 1}), MakeBounds(340, 314, 20, 15));
    EXPECT_EQ(CookieIconSource({1, 3, 1, 1}), MakeBounds(320, 329, 20, 15));
    EXPECT_EQ(CookieIconSource({1, 3, 4, 1}), MakeBounds(320, 374, 20, 15));
    EXPECT_EQ(CookieIconSource({1, 3, 5, 1}), MakeBounds(320, 374, 20, 15));
    EXPECT_EQ(CookieIconSource({5, 5, 2, 1}), MakeBounds(400, 389, 20, 15));
}

}  // namespace
}  // namespace kitchen_tests
