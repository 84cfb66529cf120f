// The gift record: kinds and size classes, copies, and the choice of its tag from the
// child's configuration.
#include <gtest/gtest.h>

#include "foundation/config.h"
#include "foundation/vek_exception.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/gift_geometry.h"
#include "shell/game_context.h"
#include "shell/strings/game_string.h"

namespace {

class GiftTag : public ::testing::Test {
protected:
    GiftTag() {
        Context.RandomNumbers().Seed(7);
        Context.SetServices(TGameServices{&Config, nullptr, nullptr, nullptr});
    }
    TConfig Config;
    TGameContext Context;
};

TEST(Gift, KindsGiveTheirSizeClassAndAnUnknownKindIsRefused) {
    TGameContext Context;
    const int expected[kGiftKinds] = {1, 1, 2, 2, 3, 3};
    for (std::uint8_t kind = 0; kind < kGiftKinds; ++kind) {
        const TGift gift(kind, 0, Context);
        EXPECT_EQ(gift.SizeClass, expected[kind]) << int(kind);
        EXPECT_EQ(gift.Paper, 0);
        EXPECT_FALSE(gift.Tagged);
        EXPECT_EQ(gift.BowPosition, 0);
    }
    EXPECT_THROW(TGift(kGiftKinds, 0, Context), VekException);
}

TEST_F(GiftTag, ACopyKeepsEveryFieldAndNotANewTag) {
    TGift gift(kDollGift, 3, Context);
    gift.Paper = 2;
    gift.Ribbon = 3;
    gift.Bow = 1;
    gift.BowPosition = 77;
    gift.Tagged = true;
    gift.Recipient = u"Wenna";
    gift.TagLanguage = 11;
    gift.NameId = 1500;
    gift.TagX = 5;
    gift.TagY = 6;
    const auto copy = gift.Clone(Context);
    EXPECT_EQ(copy->Kind, kDollGift);
    EXPECT_EQ(copy->Detail, 3);
    EXPECT_EQ(copy->SizeClass, 2);
    EXPECT_EQ(copy->Paper, 2);
    EXPECT_EQ(copy->Ribbon, 3);
    EXPECT_EQ(copy->Bow, 1);
    EXPECT_EQ(copy->BowPosition, 77);
    EXPECT_TRUE(copy->Tagged);
    EXPECT_EQ(copy->Recipient, u"Wenna");
    EXPECT_EQ(copy->TagLanguage, 11);
    EXPECT_EQ(copy->NameId, 1500);
    EXPECT_EQ(copy->TagX, 5);
    EXPECT_EQ(copy->TagY, 6);
}

TEST_F(GiftTag, TheLanguageIsOneTheConfigurationEnables) {
    Config.SetTagSet(1u << 9 | 1u << 2);
    for (int i = 0; i < 30; ++i) {
        const TGift gift(kTrainGift, 0, Context);
        EXPECT_TRUE(gift.TagLanguage == 9 || gift.TagLanguage == 2) << int(gift.TagLanguage);
    }
}

TEST_F(GiftTag, TheGamesOwnListGivesAGivenNameOfTheStringTable) {
    for (int i = 0; i < 50; ++i) {
        const TGift gift(kCookieGift, 0, Context);
        EXPECT_GE(gift.NameId, FirstGivenName);
        EXPECT_LT(gift.NameId, FirstGivenName + GivenNameCount);
        EXPECT_TRUE(gift.Recipient.empty());
        EXPECT_EQ(gift.TagName(), GameString(gift.NameId));
        EXPECT_FALSE(gift.TagName().empty());
    }
}

TEST_F(GiftTag, TheParentsListGivesItsNamesAndAnEmptyOneStillGivesAName) {
    Config.UseDefaultList = false;
    Config.SetNames({u"Ottilie", u"Bram"});
    for (int i = 0; i < 20; ++i) {
        const TGift gift(kPuzzleGift, 1, Context);
        EXPECT_TRUE(gift.Recipient == u"Ottilie" || gift.Recipient == u"Bram");
        EXPECT_EQ(gift.TagName(), gift.Recipient);
    }
    Config.SetNames({});
    const TGift gift(kPuzzleGift, 1, Context);
    EXPECT_TRUE(gift.Recipient.empty());
    EXPECT_FALSE(gift.TagName().empty()) << "a tag never goes out without a name";
    EXPECT_GE(gift.NameId, FirstGivenName);
}

TEST_F(GiftTag, WithoutAConfigurationAnyLanguageAndAGivenName) {
    Context.SetServices({});
    const TGift gift(kTrainGift, 0, Context);
    EXPECT_LT(gift.TagLanguage, kTagLanguageCount);
    EXPECT_FALSE(gift.TagName().empty());
}

// The small tag hangs right of the knot while the bow (or without one, the ribbon's place for
// a bow) is in the left half, and left of it otherwise.
TEST(GiftGeometry, TheSmallTagFollowsTheBow) {
    TGameContext Context;
    TGift gift(kTrainGift, 0, Context);
    gift.Ribbon = 1;  // default 95: the tag goes left
    gift_geometry::PlaceTag(gift);
    EXPECT_EQ(gift.TagX, 46 - 40);
    EXPECT_EQ(gift.TagY, 15);
    gift.Bow = 2;
    gift.BowPosition = 50;
    gift_geometry::PlaceTag(gift);
    EXPECT_EQ(gift.TagX, 258 + 48 - 10 - 85);
    EXPECT_FALSE(gift_geometry::TagOnLeft(gift));
    TGift slate(kSlateToyGift, 0, Context);
    slate.Bow = 3;
    slate.BowPosition = 51;
    gift_geometry::PlaceTag(slate);
    EXPECT_EQ(slate.TagX, 45 - 40);
    EXPECT_EQ(slate.TagY, 7);
    EXPECT_TRUE(gift_geometry::TagOnLeft(slate));
    TGift doll(kDollGift, 0, Context);
    gift_geometry::PlaceTag(doll);  // no ribbon: 50, the right-hand side
    EXPECT_EQ(doll.TagX, 183 + 48 - 5 - 85);
    EXPECT_EQ(doll.TagY, 0);
    // A bow undone keeps its old place in the record; the tag's picture must follow the side
    // the tag is hung on, which the ribbon decides once the bow is gone.
    doll.Bow = 2;
    doll.BowPosition = 90;
    EXPECT_TRUE(gift_geometry::TagOnLeft(doll));
    doll.Bow = 0;
    EXPECT_FALSE(gift_geometry::TagOnLeft(doll));
    gift_geometry::PlaceTag(doll);
    EXPECT_EQ(doll.TagX, 183 + 48 - 5 - 85);
}

TEST(GiftGeometry, AGiftWithNoPlaceIsCentredWithItsBowCountedIn) {
    TGameContext Context;
    TGift gift(kTrainGift, 0, Context);
    EXPECT_EQ(gift_geometry::LargeOrigin(gift, {0, 0}, 514, 322), (TPoint{101, 131}));
    gift.Bow = 1;  // top -23, 109 high below a 59-high gift
    EXPECT_EQ(gift_geometry::LargeOrigin(gift, {0, 0}, 514, 322), (TPoint{101, 131 + 11 - 13}));
    gift.Bow = 3;  // top -13, 42 high: within the gift's height
    EXPECT_EQ(gift_geometry::LargeOrigin(gift, {0, 0}, 514, 322), (TPoint{101, 131 + 6}));
    EXPECT_EQ(gift_geometry::LargeOrigin(gift, {122, 251}, 514, 322), (TPoint{122, 251}));
}

TEST(GiftGeometry, TheSmallDrawingCoversItsBow) {
    TGameContext Context;
    TGift gift(kTrainGift, 0, Context);
    gift.Paper = 1;
    EXPECT_EQ(gift_geometry::SmallBounds(gift), (TRect{0, 0, 105, 20}));
    gift.Bow = 1;
    gift.BowPosition = 0;  // bow x (0 + 23 - 46) / 3 = -7
    EXPECT_EQ(gift_geometry::SmallBounds(gift), (TRect{-7, -8, 105, 28}));
    gift.BowPosition = 100;  // (261 + 23 - 46) / 3 = 79, 27 wide
    EXPECT_EQ(gift_geometry::SmallBounds(gift), (TRect{0, -8, 106, 28}));
}

}  // namespace
