// The gifts under the tree: what the wrapping table's gift becomes when the child comes back
// (or scrolls back to the tree), at most eleven kept in their slots, and a click that shows a
// copy of one in the show room; and the whole way of a gift through the house.
#include "tests/rooms/living/living_game.h"

#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"

namespace living_tests {
namespace {

class GiftsUnderTheTree : public LivingGame {
protected:
    TWrapRoom& Table() { return Game->RoomAs<TWrapRoom>("WRAP"); }
    TWrapRoom& Show() { return Game->RoomAs<TWrapRoom>("SHOWGIFT"); }

    // What a test activity's WRAP does: the gift of that kind on the table, and there.
    void PutOnTable(std::uint8_t kind) {
        Table().SetGift(kind, 0);
        Go("WRAP");
    }
    // A gift wrapped at the table: paper (0 none) and ribbon (0 none).
    void Wrap(std::uint8_t kind, int paper, int ribbon = 0) {
        PutOnTable(kind);
        if (paper != 0) Game->Click("PAPER" + std::to_string(paper));
        if (ribbon != 0) Game->Click("RIB" + std::to_string(ribbon));
        ASSERT_EQ(Table().GiftState(), 1 + paper);
    }
    std::vector<int> KindsUnderTheTree() {
        std::vector<int> kinds;
        for (int slot = 1; slot <= Living().GiftCount(); ++slot) kinds.push_back(Living().GiftInSlot(slot)->Kind);
        return kinds;
    }
};

TEST_F(GiftsUnderTheTree, AGiftInPaperGoesUnderTheTreeAndOneWithoutIsThrownAway) {
    StartGame();
    Wrap(kDollGift, 3, 2);
    Go("LIVING");
    ASSERT_EQ(Living().GiftCount(), 1);
    EXPECT_EQ(Living().GiftInSlot(1)->Paper, 3);
    EXPECT_EQ(Living().GiftInSlot(1)->Ribbon, 2);
    EXPECT_EQ(Table().GiftState(), 0) << "the table is empty";
    EXPECT_EQ(Frame("GIFT"), 0);
    EXPECT_TRUE(Enabled("GIFT1"));
    EXPECT_FALSE(Enabled("GIFT2"));
    EXPECT_GT(RectWidth(Box("GIFT1").Rect), 20) << "the box covers the small gift drawn in slot 1";
    EXPECT_TRUE(PtInRect(Box("GIFT1").Rect, TPoint{92 + 10, 295 + 10}));

    // A gift in no paper, ribbon or not, is gone when collected.
    Wrap(kCookieGift, 0, 1);
    Go("LIVING");
    EXPECT_EQ(Living().GiftCount(), 1);
    EXPECT_EQ(Table().GiftState(), 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(GiftsUnderTheTree, BackFromAnActivityAwayFromTheTreeTheGiftWaitsUntilTheViewReturns) {
    StartGame();
    Go("LIVING");
    ScrollToClock();
    Wrap(kPuzzleGift, 2);
    Go("LIVING");
    EXPECT_TRUE(Living().CameFromActivity());
    EXPECT_EQ(Living().GiftCount(), 0);
    EXPECT_EQ(Table().GiftState(), 3);
    EXPECT_EQ(Frame("GIFT"), 3) << "the gift in paper 2 waits on the wrapping table";
    EXPECT_FALSE(Enabled("GIFT1"));

    // The first step towards the tree carries it there.
    Game->Click("GO_L_END");
    EXPECT_EQ(Living().GiftCount(), 1);
    EXPECT_EQ(Frame("GIFT"), 0);
    Game->Tick(10);
    EXPECT_EQ(Living().ScrollOffset, 0);
    EXPECT_TRUE(Enabled("GIFT1"));

    // From any other room the gift is collected at once, wherever the view stands.
    ScrollToClock();
    Wrap(kTrainGift, 1);
    Go("BED");
    Go("LIVING");
    EXPECT_FALSE(Living().CameFromActivity());
    EXPECT_EQ(Living().GiftCount(), 2);
    EXPECT_FALSE(Enabled("GIFT2")) << "the gift boxes wait for the tree end";
    ScrollToTree();
    EXPECT_TRUE(Enabled("GIFT2"));
}

TEST_F(GiftsUnderTheTree, ANewGiftOnTheTableSendsTheWrappedOneUnderTheTreeFirst) {
    StartGame();
    Wrap(kCardGameGift, 4);
    // Straight on to another activity's WRAP: the living room is not current.
    Table().SetGift(kTrainGift, 0);
    EXPECT_EQ(Living().GiftCount(), 1);
    EXPECT_EQ(Living().GiftInSlot(1)->Kind, kCardGameGift);
    EXPECT_EQ(Table().GiftState(), 1);
    Go("LIVING");
    EXPECT_EQ(Living().GiftCount(), 1) << "the unwrapped train went away";
    EXPECT_TRUE(Enabled("GIFT1"));
}

TEST_F(GiftsUnderTheTree, ATwelfthGiftFreesTheOldestAndTheOthersMoveDownASlot) {
    StartGame();
    for (int n = 0; n < 12; ++n) {
        Wrap(static_cast<std::uint8_t>(n % kGiftKinds), 1 + n % 4);
        Go("LIVING");
    }
    ASSERT_EQ(Living().GiftCount(), 11);
    EXPECT_EQ(KindsUnderTheTree(), (std::vector<int>{1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5}));
    for (int slot = 1; slot <= 11; ++slot) EXPECT_TRUE(Enabled("GIFT" + std::to_string(slot))) << slot;
    EXPECT_EQ(Shown(), "");
}

TEST_F(GiftsUnderTheTree, AClickShowsACopyInTheShowRoomWithTheSameTag) {
    StartGame();
    Wrap(kSlateToyGift, 1);
    Wrap(kDollGift, 2);
    Go("LIVING");
    ASSERT_EQ(Living().GiftCount(), 2);
    const TGift& second = *Living().GiftInSlot(2);
    ForgetSounds();
    Game->Click("GIFT2");
    ASSERT_EQ(Game->RoomName(), "SHOWGIFT");
    EXPECT_EQ(CountNew(kGiftShownWave), 1);
    const TGift* shown = Show().Gift();
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(shown, &second) << "a copy: the gift stays under the tree";
    EXPECT_EQ(shown->Kind, second.Kind);
    EXPECT_EQ(shown->Paper, second.Paper);
    EXPECT_EQ(shown->TagLanguage, second.TagLanguage);
    EXPECT_EQ(shown->TagName(), second.TagName());
    Game->Click("BACK");
    EXPECT_EQ(Game->RoomName(), "LIVING");
    EXPECT_EQ(Living().GiftCount(), 2);

    // A gift box's name that names no slot with a gift shows nothing.
    Living().RunScript("GIFT", "GIFT9");
    Living().RunScript("GIFT", "GIFT99");
    Living().RunScript("GIFT", "GIFTX");
    EXPECT_EQ(Game->RoomName(), "LIVING");

    // The host's gift from the stocking.
    Game->Click("#430");
    ASSERT_EQ(Game->RoomName(), "SHOWGIFT");
    ASSERT_NE(Show().Gift(), nullptr);
    EXPECT_EQ(Show().Gift()->TagLanguage, kNorthAmericanTag);
    EXPECT_EQ(Shown(), "");
}

TEST_F(GiftsUnderTheTree, TheWholeWayOfAGiftFromAnActivityToTheShowRoom) {
    StartGame();
    Config.Tags.fill(false);
    Config.Tags[8] = true;  // Italian only
    // A test activity's WRAP (the train layout's kind, as the train room registers it): the
    // gift on the table, and the table shown.
    RegisterGiftKind(kTrainGift, 1);
    Go("BED");
    ASSERT_TRUE(WrapAsGift(Game->World(), kTrainGift, 0));
    Game->Tick();
    ASSERT_EQ(Game->RoomName(), "WRAP");
    Game->Click("PAPER2");
    Game->Click("RIB3");
    Game->Click("BOW1");
    Game->Click("TAGS");
    ASSERT_TRUE(Table().BigTagShown());
    Game->Click("BIGTAG");
    const std::unique_ptr<TGift> copy = Table().Gift()->Clone(Game->Context());
    const TGift& wrapped = *copy;
    EXPECT_EQ(wrapped.Paper, 2);
    EXPECT_EQ(wrapped.Ribbon, 3);
    EXPECT_EQ(wrapped.Bow, 1);
    EXPECT_TRUE(wrapped.Tagged);
    EXPECT_EQ(wrapped.TagLanguage, 8);

    Game->PressNav(3);
    ASSERT_EQ(Game->RoomName(), "LIVING");
    ASSERT_EQ(Living().GiftCount(), 1);
    Game->Tick(2);
    Game->Click("GIFT1");
    ASSERT_EQ(Game->RoomName(), "SHOWGIFT");
    const TGift* shown = Show().Gift();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Paper, 2);
    EXPECT_EQ(shown->Ribbon, 3);
    EXPECT_EQ(shown->Bow, 1);
    EXPECT_EQ(shown->BowPosition, wrapped.BowPosition);
    EXPECT_TRUE(shown->Tagged);
    EXPECT_EQ(shown->TagLanguage, 8);
    EXPECT_EQ(shown->TagName(), wrapped.TagName());
    Game->Tick(2);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace living_tests
