// The wrapping table played through the game: papers, ribbons and bows on and off, the bow
// slider, the tag, undoing step by step, the slate toy, and where a gift goes when the next
// one arrives.
#include "tests/rooms/wrap/wrap_game.h"

#include "foundation/stream.h"
#include "rooms/living/living_room.h"
#include "rooms/wrap/gift_geometry.h"

namespace wrap_tests {
namespace {

TEST_F(WrapGame, ClickingTheChosenPaperRibbonOrBowAgainTakesItOff) {
    EnterWrap(kCardGameGift);
    Game->Click("PAPER3");
    EXPECT_EQ(Gift().Paper, 3);
    EXPECT_EQ(Table().GiftState(), 4);
    Game->Click("PAPER1");
    EXPECT_EQ(Gift().Paper, 1);
    Game->Click("PAPER1");
    EXPECT_EQ(Gift().Paper, 0);
    Game->Click("RIB2");
    EXPECT_EQ(Gift().Ribbon, 2);
    Game->Click("RIB2");
    EXPECT_EQ(Gift().Ribbon, 0);
    Game->Click("BOW3");
    EXPECT_EQ(Gift().Bow, 3);
    EXPECT_EQ(Frame("BOW3"), 0) << "taken from its hook";
    Game->Click("BOW1");
    EXPECT_EQ(Gift().Bow, 1);
    EXPECT_EQ(Frame("BOW3"), 1) << "the bow swapped goes back";
    EXPECT_EQ(Frame("BOW1"), 0);
    Game->Click("BOW1");
    EXPECT_EQ(Gift().Bow, 0);
    EXPECT_EQ(Frame("BOW1"), 1);
    EXPECT_FALSE(Enabled("GIFT")) << "no bow to slide";
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, ABowSitsAtTheRibbonsDefaultPlaceOrHalfWayWithoutARibbon) {
    EnterWrap(kDollGift, 1);
    Game->Click("BOW2");
    EXPECT_EQ(Gift().BowPosition, 50);
    Game->Click("RIB3");
    EXPECT_EQ(Gift().BowPosition, 50) << "the place is chosen with the bow";
    Game->Click("BOW1");
    EXPECT_EQ(Gift().BowPosition, 15);
    Game->Click("RIB1");
    Game->Click("BOW3");
    EXPECT_EQ(Gift().BowPosition, 85);
}

TEST_F(WrapGame, TheSliderPutsTheBowsKnotWhereTheChildClicks) {
    EnterWrap(kTrainGift);
    Game->Click("RIB1");
    Game->Click("BOW2");
    const THitBox* slider = Table().FindHitBox("GIFT");
    ASSERT_TRUE(slider->IsEnabled());
    // From travel start to travel end of bow 2, 10 above to 20 below the gift's top.
    EXPECT_EQ(slider->Rect, (TRect{122 + 31, 251 - 10, 122 + 275, 251 + 20}));
    Game->MouseDown({122 + 31 + 61, 255});
    Game->MouseUp({122 + 31 + 61, 255});
    EXPECT_EQ(Gift().BowPosition, 61 * 100 / (275 - 31));
    EXPECT_EQ(Game->World().GetCapturedBox(), nullptr) << "the slider never keeps the mouse";
    Game->MouseDown({122 + 31, 255});
    EXPECT_EQ(Gift().BowPosition, 0);
    Game->MouseUp({122 + 31, 255});
}

TEST_F(WrapGame, TheTagsPlaceFollowsEachChangeWithoutWaitingForADrawing) {
    StartGame();
    TWrapRoom& table = Table();
    ASSERT_FALSE(table.IsDrawn());
    // The tag where the gift's ribbon and bow put it, and which side of the knot that is.
    const auto placedAndOnLeft = [&](const char* step) {
        const TGift& gift = *table.Gift();
        const auto placed = gift.Clone(Game->Context());
        gift_geometry::PlaceTag(*placed);
        EXPECT_EQ(gift.TagX, placed->TagX) << step;
        EXPECT_EQ(gift.TagY, placed->TagY) << step;
        return gift_geometry::TagOnLeft(gift);
    };
    table.SetGift(kTrainGift, 0);
    EXPECT_FALSE(placedAndOnLeft("a new gift"));
    table.RunScript("RIBBON", "RIB1");
    EXPECT_TRUE(placedAndOnLeft("ribbon 1"));
    table.RunScript("BOW", "BOW2");
    EXPECT_TRUE(placedAndOnLeft("bow 2"));
    auto& slider = FindNodeOrFail<TControlBox>(table.HitBoxes(), "GIFT");
    slider.EventPoint = TPoint{0, 0};
    table.ControlEvent(slider, TControlEventKind::Down);
    EXPECT_FALSE(placedAndOnLeft("the bow slid to the left end"));
    table.RunScript("", "UNWRAP");
    EXPECT_TRUE(placedAndOnLeft("the bow taken off"));
    table.RunScript("", "UNWRAP");
    EXPECT_FALSE(placedAndOnLeft("the ribbon taken off"));
}

TEST_F(WrapGame, UnwrapTakesTagAndBowTogetherThenRibbonThenPaperThenLeaves) {
    StartGame();
    Game->World().GoRoom("BED");  // whatever room the gift came from
    Table().SetGift(kCookieGift, 0);
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    Game->Click("PAPER4");
    Game->Click("RIB2");
    Game->Click("BOW2");
    Game->Click("TAGS");
    Game->Click("BIGTAG");
    ASSERT_TRUE(Gift().Tagged);
    ASSERT_EQ(Frame("TAG"), 0);
    ASSERT_EQ(Frame("BOW2"), 0);
    Game->Click("UNWRAP");
    EXPECT_FALSE(Gift().Tagged);
    EXPECT_EQ(Gift().Bow, 0);
    EXPECT_EQ(Gift().Ribbon, 2);
    EXPECT_EQ(Frame("TAG"), 1) << "the tag goes back in its box";
    EXPECT_EQ(Frame("BOW2"), 1) << "the bow goes back on its hook";
    EXPECT_FALSE(Enabled("SMTAG"));
    // Coming back to a gift that wears a bow: its hook shows it taken, the others hang.
    Game->Click("BOW3");
    Game->World().GoRoom("BED");
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    EXPECT_EQ(Frame("BOW3"), 0);
    EXPECT_EQ(Frame("BOW1"), 1);
    EXPECT_EQ(Frame("BOW2"), 1);
    Game->Click("BOW3");
    Game->Click("UNWRAP");
    EXPECT_EQ(Gift().Ribbon, 0);
    EXPECT_EQ(Gift().Paper, 4);
    Game->Click("UNWRAP");
    EXPECT_EQ(Gift().Paper, 0);
    ASSERT_EQ(Game->RoomName(), "WRAP");
    Game->Click("UNWRAP");
    EXPECT_NE(Game->RoomName(), "WRAP");
    EXPECT_NE(Table().Gift(), nullptr) << "leaving keeps the bare gift on the table";
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, UnwrapOnAnEmptyTableGoesBackAndTheEmptyTableOffersOnlyTheSlateToy) {
    StartGame();
    Game->World().GoRoom("BED");
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    for (const char* box : {"PAPER1", "PAPER4", "RIB1", "RIB3", "BOW1", "BOW3", "TAGS", "GIFT", "SMTAG", "BIGTAG"})
        EXPECT_FALSE(Enabled(box)) << box;
    EXPECT_TRUE(Enabled("SLATE2"));
    EXPECT_TRUE(Enabled("UNWRAP"));
    Game->Click("UNWRAP");
    EXPECT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, BoxNamesOutsideTheirRangeAreIgnored) {
    EnterWrap(kTrainGift);
    for (const char* sender : {"PAPER0", "PAPER5", "PAPER", "PAPERX"}) Table().RunScript("PAPER", sender);
    for (const char* sender : {"RIB0", "RIB4", "RIB"}) Table().RunScript("RIBBON", sender);
    for (const char* sender : {"BOW0", "BOW4", "BO"}) Table().RunScript("BOW", sender);
    EXPECT_EQ(Gift().Paper, 0);
    EXPECT_EQ(Gift().Ribbon, 0);
    EXPECT_EQ(Gift().Bow, 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, TheTagOpensLargeAndPuttingItBackOnDrawsANewLanguageAndName) {
    Config.SetTagSet(1u << 5);
    EnterWrap(kPuzzleGift, 2);
    Game->Click("TAGS");
    EXPECT_TRUE(Gift().Tagged);
    EXPECT_EQ(Gift().TagLanguage, 5);
    EXPECT_TRUE(Table().BigTagShown());
    EXPECT_EQ(Frame("TAG"), 0);
    for (const char* box : {"PAPER1", "TAGS", "UNWRAP", "SMTAG", "SLATE1"}) EXPECT_FALSE(Enabled(box)) << box;
    EXPECT_TRUE(Enabled("BIGTAG"));
    Game->Click("BIGTAG");
    EXPECT_FALSE(Table().BigTagShown());
    EXPECT_TRUE(Enabled("SMTAG"));
    EXPECT_FALSE(Enabled("BIGTAG"));
    Game->Click("SMTAG");
    EXPECT_TRUE(Table().BigTagShown());
    Game->Click("BIGTAG");
    Game->Click("TAGS");
    EXPECT_FALSE(Gift().Tagged);
    EXPECT_EQ(Frame("TAG"), 1);
    EXPECT_FALSE(Enabled("SMTAG"));
    Config.SetTagSet(1u << 12);
    Config.UseDefaultList = false;
    Config.SetNames({u"Aurelio"});
    Game->Click("TAGS");
    EXPECT_EQ(Gift().TagLanguage, 12);
    EXPECT_EQ(Gift().TagName(), u"Aurelio");
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, TheSmallTagsBoxLiesOnTheTagBesideTheKnot) {
    EnterWrap(kTrainGift);
    Game->Click("RIB2");  // default bow place 50: right of the knot
    Game->Click("TAGS");
    Game->Click("BIGTAG");
    const TRect smallTag = Table().FindHitBox("SMTAG")->Rect;
    EXPECT_EQ(smallTag, MakeBounds(122 + 211, 251 + 15, 85, 15));
    Game->Click("BOW1");
    Game->MouseDown({122 + 23 + 200, 255});  // far right: the tag moves left
    Game->MouseUp({122 + 23 + 200, 255});
    EXPECT_EQ(Table().FindHitBox("SMTAG")->Rect, MakeBounds(122 + 6, 251 + 15, 85, 15));
}

TEST_F(WrapGame, TheSlateToyFromItsShelfIsAGiftOfItsOwn) {
    EnterWrap(255);
    ASSERT_EQ(Frame("SLATE1"), 1);
    Game->Click("SLATE2");
    ASSERT_NE(Table().Gift(), nullptr);
    EXPECT_EQ(Gift().Kind, kSlateToyGift);
    EXPECT_EQ(Gift().SizeClass, 3);
    EXPECT_EQ(Frame("SLATE2"), 0);
    EXPECT_TRUE(Table().SlateOnTable());
    EXPECT_FALSE(Enabled("SLATE2"));
    EXPECT_TRUE(Enabled("PAPER2"));
    const auto gift = Table().TakeGift();
    EXPECT_EQ(gift->Kind, kSlateToyGift);
    EXPECT_EQ(Table().Gift(), nullptr);
    EXPECT_EQ(Frame("SLATE2"), 1) << "back on its shelf";
    EXPECT_FALSE(Table().SlateOnTable());
    EXPECT_TRUE(Enabled("SLATE2"));
    EXPECT_FALSE(ShowRoom().SlateOnTable());
}

TEST_F(WrapGame, TheSlateToyAwayInTheWorkshopCannotBeTaken) {
    StartGame();
    // The house's workshop steps aside for one whose shelf the test sets.
    if (TRoom* real = Game->World().FindRoom("WORKSHOP")) real->SetID("REALSHOP");
    auto* shop = static_cast<TSlateRepairShop*>(Game->World().AddRoom(std::make_unique<TSlateRepairShop>("WORKSHOP")));
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    EXPECT_EQ(Frame("SLATE1"), 0);
    EXPECT_FALSE(Enabled("SLATE1"));
    EXPECT_FALSE(Enabled("SLATE2")) << "a toy being mended is not offered";
    shop->InRepair = false;
    Game->World().GoRoom("BED");
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    EXPECT_EQ(Frame("SLATE1"), 1);
    EXPECT_TRUE(Enabled("SLATE2"));
}

TEST_F(WrapGame, ANewGiftSendsAWrappedOneUnderTheTreeAndThrowsAnUnwrappedOneAway) {
    StartGame();
    // The house's own living room collects.
    auto& living = Game->RoomAs<TLivingRoom>("LIVING");
    Table().SetGift(kTrainGift, 0);
    EXPECT_EQ(living.GiftCount(), 0) << "nothing to collect from an empty table";
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    Game->Click("PAPER2");
    Game->Click("RIB1");
    Table().SetGift(kDollGift, 2);
    ASSERT_EQ(living.GiftCount(), 1) << "collected with Force";
    EXPECT_EQ(living.GiftInSlot(1)->Kind, kTrainGift);
    EXPECT_EQ(living.GiftInSlot(1)->Paper, 2);
    EXPECT_EQ(Gift().Kind, kDollGift);
    EXPECT_EQ(Gift().Detail, 2);
    Table().SetGift(kCookieGift, 0);
    EXPECT_EQ(living.GiftCount(), 1) << "the bare doll was thrown away";
    EXPECT_EQ(Gift().Kind, kCookieGift);
    Game->Tick(1);
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, WithoutALivingRoomTheOldGiftIsDropped) {
    EnterWrap(kTrainGift);
    if (TRoom* real = Game->World().FindRoom("LIVING")) real->SetID("NOLIVING");
    Game->Click("PAPER1");
    Table().SetGift(kPuzzleGift, 0);
    EXPECT_EQ(Gift().Kind, kPuzzleGift);
    EXPECT_EQ(Gift().Paper, 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, TheSlateToyLeavingWithItsGiftGoesBackOnItsShelf) {
    StartGame();
    auto& living = Game->RoomAs<TLivingRoom>("LIVING");
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    Game->Click("SLATE2");
    Game->Click("PAPER3");
    Table().SetGift(kCardGameGift, 0);
    ASSERT_EQ(living.GiftCount(), 1);
    EXPECT_EQ(living.GiftInSlot(1)->Kind, kSlateToyGift);
    EXPECT_EQ(Frame("SLATE2"), 1);
}

// An activity of the tests that makes a gift of its own kind.
class TGiftMaker final : public TRoom {
public:
    explicit TGiftMaker(std::string_view name) : TRoom(name) { SetBackgroundName("bedroom"); }
    void RunScript(const std::string& script, const std::string& sender) override {
        if (sender == "WRAP")
            Wrapped = WrapAsGift(*GetWorld(), kCookieGift, 0);
        else
            TRoom::RunScript(script, sender);
    }
    bool Wrapped = false;
};

TEST_F(WrapGame, AnActivitysWrapPutsItsGiftOnTheTable) {
    StartGame();
    RegisterGiftKind(kCookieGift, 1);
    auto* maker = static_cast<TGiftMaker*>(Game->World().AddRoom(std::make_unique<TGiftMaker>("MAKER")));
    Game->World().GoRoom("MAKER");
    Game->Tick(1);
    maker->RunScript("", "WRAP");
    Game->Tick(1);
    EXPECT_TRUE(maker->Wrapped);
    EXPECT_EQ(Game->RoomName(), "WRAP");
    EXPECT_EQ(Gift().Kind, kCookieGift);
    EXPECT_EQ(Gift().SizeClass, 2);
    EXPECT_TRUE(Enabled("PAPER1"));
    Game->Click("UNWRAP");
    EXPECT_EQ(Game->RoomName(), "MAKER") << "a bare gift leaves the way it came";
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, TheTablesRoomsHaveNoCommandsOfTheirOwnAndTheirHelpPages) {
    EnterWrap(kTrainGift);
    EXPECT_EQ(Table().Flags & (kRoomSnapOffered | kRoomWrapOffered), 0);
    EXPECT_EQ(ShowRoom().Flags & (kRoomSnapOffered | kRoomWrapOffered), 0);
    EXPECT_NE(ShowRoom().Flags & kRoomFullFrame, 0);
    EXPECT_EQ(Table().Flags & kRoomFullFrame, 0);
    EXPECT_TRUE(ShowRoom().IsShowRoom());
    EXPECT_FALSE(Table().IsShowRoom());
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "GATEXT>");
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "GA2<");
    ShowRoom().ShowGift(std::make_unique<TGift>(kTrainGift, 0, Game->Context()));
    Game->World().GoRoom("SHOWGIFT");
    Game->Tick(1);
    ShowRoom().RunScript("", "TUTOR");
    EXPECT_EQ(Game->RoomName(), "SRTEXT");
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapGame, GiftsAreNotSavedAndTheGameRestartsWithAnEmptyTable) {
    EnterWrap(kTrainGift);
    Game->Click("PAPER1");
    Game->Restart();
    Game->Tick(1);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(Table().Gift(), nullptr);
    EXPECT_EQ(Table().GiftState(), 0);
    TMemoryStream s;
    Table().WriteData(s);
    EXPECT_TRUE(s.Bytes().empty()) << "the table keeps no record";
}

}  // namespace
}  // namespace wrap_tests
