// What the wrapping table and the show room draw: every piece where its table puts it, the big
// tag's greeting and gift-bringer in every language, the gift centred in the show room, and the
// small gift of the living room.
#include "tests/rooms/wrap/wrap_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/wrap/gift_geometry.h"

namespace wrap_tests {
namespace {

using namespace gift_geometry;

constexpr std::uint8_t kSeeThrough = 108;

class WrapDrawing : public WrapGame {
protected:
    TPictureHandle Picture(const char* name) {
        return TPictureHandle(*Game->World().GetImageLibrary(), AC8ImageName(name));
    }

    // Every pixel of source's rect that is not see-through is in the view at `at`.
    ::testing::AssertionResult DrawnAt(const TAC8ImageData& source, const TRect& rect, TPoint at) {
        int checked = 0;
        for (std::int32_t y = rect.Top; y < rect.Bottom; ++y)
            for (std::int32_t x = rect.Left; x < rect.Right; ++x) {
                const TPoint v{at.X + x - rect.Left, at.Y + y - rect.Top};
                if (v.X < 0 || v.Y < 0 || v.X >= Game->View().Width() || v.Y >= Game->View().Height()) continue;
                const std::uint8_t want = source.GetPixel({x, y});
                if (source.HasTransparency() && want == source.TransparentColour()) continue;
                ++checked;
                if (Game->ViewPixel(v.X, v.Y) != want)
                    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") not at (" << v.X << ", " << v.Y << ")";
            }
        if (checked == 0) return ::testing::AssertionFailure() << "nothing to compare";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(WrapDrawing, TheBigTagShowsEachLanguagesGreetingAndGiftBringerWhereTheyBelong) {
    EnterWrap(kTrainGift);
    const TPictureHandle polyglot = Picture("polyglot");
    const TPictureHandle tag = Picture("bigtag");
    Game->Click("TAGS");
    ASSERT_TRUE(Table().BigTagShown());
    for (std::uint8_t language = 0; language < kTagLanguageCount; ++language) {
        const_cast<TGift*>(Table().Gift())->TagLanguage = language;
        Table().Draw(&Game->View());
        const TPoint greeting = GreetingAt(language);
        const TPoint bringer = GiftBringerAt(language);
        EXPECT_LE(greeting.X, 110);
        EXPECT_GE(greeting.X, 90 + (390 - RectWidth(kGreeting[language])) / 2 < 110 ? 0 : 110);
        EXPECT_EQ(greeting.Y, 50);
        EXPECT_EQ(bringer.X + RectWidth(kGiftBringer[language]), 460);
        EXPECT_EQ(bringer.Y, 200);
        EXPECT_TRUE(DrawnAt(*polyglot, kGreeting[language], greeting)) << "greeting of language " << int(language);
        EXPECT_TRUE(DrawnAt(*polyglot, kGiftBringer[language], bringer)) << "gift-bringer of language " << int(language);
    }
    // The tag's own corner, beside its hole, is the picture's.
    EXPECT_TRUE(DrawnAt(*tag, MakeBounds(0, 120, 40, 40), TPoint{7, 24 + 120}));
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapDrawing, TheNameIsWrittenInTheMiddleOfTheTag) {
    Config.UseDefaultList = false;
    Config.SetNames({u"Mo"});
    EnterWrap(kTrainGift);
    const std::uint8_t paper = Game->ViewPixel(285, 135);
    Game->Click("TAGS");
    // The red ink of the name font lies about the tag's middle at y 115 and not far out.
    int inkNearMiddle = 0, inkFarOut = 0;
    for (std::int32_t y = 115; y < 155; ++y)
        for (std::int32_t x = 90; x < 480; ++x) {
            const std::uint8_t p = Game->ViewPixel(x, y);
            if (p == 17) (std::abs(x - 285) < 40 ? inkNearMiddle : inkFarOut) += 1;
        }
    EXPECT_GT(inkNearMiddle, 50);
    EXPECT_EQ(inkFarOut, 0);
    (void)paper;
}

TEST_F(WrapDrawing, EachKindsOpenBoxShowsItsContentsAndVariantMark) {
    const TPictureHandle aux = [&] {
        StartGame();
        return Picture("wrapgfx");
    }();
    for (std::uint8_t kind = 0; kind < kGiftKinds; ++kind) {
        const std::uint8_t detail = kind == kDollGift ? 3 : kind == kPuzzleGift ? 1 : 0;
        Table().SetGift(kind, detail);
        Game->World().GoRoom("BED");
        Game->World().GoRoom("WRAP");
        Game->Tick(1);
        const TPoint o = kTablePlace[Gift().SizeClass - 1];
        const TPoint corner = PointAdd(o, kContentsOffset[kind]);
        // The variant mark lies over the contents: those are compared beside it.
        TRect contents = kContents[kind];
        TPoint contentsAt = corner;
        if (kind == kDollGift) {
            contents.Left += 50;
            contentsAt.X += 50;
        }
        if (kind == kPuzzleGift) contents.Right = contents.Left + 80;
        EXPECT_TRUE(DrawnAt(*aux, contents, contentsAt)) << "contents of kind " << int(kind);
        if (kind == kDollGift) {
            EXPECT_TRUE(DrawnAt(*aux, MakeBounds(198 + 10 * 6, 42, 10, 12), PointAdd(corner, {37, 19})));
        }
        if (kind == kPuzzleGift) {
            EXPECT_TRUE(DrawnAt(*aux, MakeBounds(198 + 10 * 1, 42, 10, 12), PointAdd(corner, {84, 12})));
        }
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapDrawing, PaperRibbonBowAndTagAreDrawnWhereTheTablesPutThem) {
    EnterWrap(kDollGift, 0);
    const TPictureHandle gifts = Picture("gr_gift2");
    const TPictureHandle ribbons = Picture("gr_ribn2");
    const TPictureHandle aux = Picture("wrapgfx");
    const TPoint o{159, 229};
    Game->Click("PAPER3");
    EXPECT_TRUE(DrawnAt(*gifts, MakeBounds(0, 74 * 3, 239, 74), o));
    Game->Click("RIB2");
    EXPECT_TRUE(DrawnAt(*ribbons, MakeBounds(0, 74, 239, 74), o));
    Game->Click("BOW1");  // ribbon 2: 58 percent
    const std::int32_t bowX = 14 + 58 * (203 - 14) / 100 - 46;
    EXPECT_EQ(BowX(Gift()), bowX);
    EXPECT_TRUE(DrawnAt(*aux, kLargeBow[0], PointAdd(o, {bowX, -31})));
    Game->Click("TAGS");
    Game->Click("BIGTAG");
    // Bow at 58 percent: the tag hangs left of the knot, the second tag picture.
    // (Its right end lies under the bow, which is drawn last.)
    EXPECT_TRUE(DrawnAt(*aux, MakeRect(88, 157, 88 + 60, 172), PointAdd(o, {37 - 30, 0})));
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapDrawing, ABowTakenOffLeavesNothingBehindAboveTheGift) {
    EnterWrap(kTrainGift);
    const TPictureHandle room = Picture("wraproom");
    Game->Click("PAPER1");
    Game->Click("BOW1");
    const TRect above = MakeBounds(122 + BowX(Gift()), 251 - 23, 81, 23);
    Game->Click("BOW1");
    EXPECT_TRUE(DrawnAt(*room, above, TPoint{above.Left, above.Top})) << "the wall shows again where the bow stood";
    Game->Click("BOW2");
    Game->Click("UNWRAP");
    EXPECT_TRUE(DrawnAt(*room, above, TPoint{above.Left, above.Top}));
}

TEST_F(WrapDrawing, TheShowRoomCentresAGiftWithNoPlaceWithItsBowCountedIn) {
    StartGame();
    auto gift = std::make_unique<TGift>(kTrainGift, 0, Game->Context());
    gift->Paper = 2;
    gift->Ribbon = 1;
    gift->Bow = 1;
    gift->BowPosition = 95;
    gift->Tagged = true;
    ShowRoom().ShowGift(std::move(gift));
    Game->World().GoRoom("SHOWGIFT");
    Game->Tick(1);
    ASSERT_EQ(Game->RoomName(), "SHOWGIFT");
    EXPECT_EQ(Game->View().Width(), 514);
    const TPoint o{(514 - 311) / 2, (322 - 59) / 2 + 11 - 13};
    EXPECT_EQ(ShowRoom().GiftPlace(), o);
    EXPECT_TRUE(DrawnAt(*Picture("gr_gift1"), MakeBounds(0, 59 * 2, 311, 59), o) ||
                DrawnAt(*Picture("wrapgfx"), kLargeBow[0], PointAdd(o, {BowX(*ShowRoom().Gift()), -23})));
    EXPECT_TRUE(DrawnAt(*Picture("wrapgfx"), kLargeBow[0], PointAdd(o, {BowX(*ShowRoom().Gift()), -23})));
    EXPECT_TRUE(Enabled("SMTAG"));
    EXPECT_EQ(ShowRoom().FindHitBox("SMTAG")->Rect, MakeBounds(o.X + 6, o.Y + 15, 85, 15));
    Game->Click("SMTAG");
    EXPECT_TRUE(ShowRoom().BigTagShown());
    EXPECT_FALSE(Enabled("BACK"));
    Game->Click("BIGTAG");
    Game->Click("BACK");
    EXPECT_NE(Game->RoomName(), "SHOWGIFT");
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapDrawing, AShowRoomWithoutAGiftAndAnEmptyTableDrawTheirRoomsAlone) {
    StartGame();
    Game->World().GoRoom("SHOWGIFT");
    Game->Tick(1);
    EXPECT_TRUE(DrawnAt(*Picture("showroom"), MakeBounds(100, 100, 300, 100), TPoint{100, 100}));
    EXPECT_FALSE(Enabled("SMTAG"));
    Game->World().GoRoom("WRAP");
    Game->Tick(1);
    EXPECT_TRUE(DrawnAt(*Picture("wraproom"), MakeBounds(100, 230, 300, 80), TPoint{100, 230}));
    EXPECT_EQ(Shown(), "");
}

TEST_F(WrapDrawing, TheSmallGiftIsCutFromItsRowsAndCoversItsBow) {
    StartGame();
    const TPictureHandle small = Picture("wrapsgfx");
    std::unique_ptr<THotImage> target = THotImage::CreateBlank(200, 100, Game->World().GetImageLibrary());
    TAC8ImageData& surface = target->Image();
    surface.FillRect(surface.GetBounds(), 135);
    TGift gift(kCardGameGift, 0, Game->Context());
    gift.Paper = 3;
    gift.Ribbon = 2;
    gift.Bow = 2;
    gift.BowPosition = 40;
    gift.Tagged = true;
    PlaceTag(gift);
    const TRect covered = DrawSmallGift(surface, TPoint{40, 50}, *small, gift);
    const std::int32_t bowX = ((275 - 31) * 40 / 100 + 31 - 57) / 3;
    EXPECT_EQ(covered, (TRect{40, 50 - 5, 40 + 105, 50 + 20}));
    // The bow's picture where the bow goes, over everything else.
    for (std::int32_t y = 0; y < 18; ++y)
        for (std::int32_t x = 27; x < 66; ++x) {
            const std::uint8_t want = small->GetPixel({x, y});
            if (want != kSeeThrough) {
                ASSERT_EQ(surface.GetPixel({40 + bowX + x - 27, 50 - 5 + y}), want);
            }
        }
    // A corner of the paper row shows below the bow.
    EXPECT_EQ(surface.GetPixel({40 + 2, 50 + 18}), small->GetPixel({107 + 2, 0 + 20 * 2 + 18}));
}

}  // namespace
}  // namespace wrap_tests
