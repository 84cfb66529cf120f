// Where a picture lands on the sheet, for the sizes of every snapshot kind, full size and as a
// card, on A4 and Letter at 300 and 600 dots per inch, and on pages too small or too large.
#include <gtest/gtest.h>

#include "rooms/album/print_geometry.h"

namespace {

TSnapshotKind Kind(std::uint8_t number, std::int32_t w, std::int32_t h) {
    TSnapshotKind kind;
    kind.Kind = number;
    kind.Full = {w, h};
    if (number == 1) {
        kind.WidePrintShare = 3;
        kind.WidePrintShareOf = 4;
    }
    return kind;
}

const std::vector<TSnapshotKind> kKinds = {Kind(0, 396, 320), Kind(1, 259, 157), Kind(2, 122, 192), Kind(3, 432, 298),
                                           Kind(4, 376, 225), Kind(5, 240, 240), Kind(11, 225, 320)};

platform::PrintPageSize Page(double inchesWide, double inchesHigh, int dpi) {
    return {static_cast<std::int32_t>(inchesWide * dpi), static_cast<std::int32_t>(inchesHigh * dpi)};
}

TEST(PrintGeometry, EveryKindFitsItsPageOrQuarterOnA4AndLetterAt300And600Dpi) {
    for (int dpi : {300, 600})
        for (const auto& [name, page] : {std::pair{"A4", Page(8.2677, 11.6929, dpi)}, {"Letter", Page(8.5, 11, dpi)}})
            for (const TSnapshotKind& kind : kKinds)
                for (bool card : {false, true}) {
                    SCOPED_TRACE(std::string(name) + " " + std::to_string(dpi) + " kind " + std::to_string(kind.Kind) +
                                 (card ? " card" : " full"));
                    const TPrintPlacement p = PlacePrint(kind, card, page);
                    ASSERT_GE(p.Scale, 1);
                    EXPECT_EQ(p.Rect.Width, (kind.Full.Width + 2) * p.Scale);
                    EXPECT_EQ(p.Rect.Height, (kind.Full.Height + 2) * p.Scale);
                    const std::int32_t left = card ? page.Width / 2 : 0;
                    const std::int32_t top = card ? page.Height / 2 : 0;
                    EXPECT_GE(p.Rect.Left, left);
                    EXPECT_GE(p.Rect.Top, top);
                    EXPECT_LE(p.Rect.Left + p.Rect.Width, page.Width);
                    EXPECT_LE(p.Rect.Top + p.Rect.Height, page.Height);
                    // At twice the resolution the picture is about twice the dots.
                    if (dpi == 600) {
                        const TPrintPlacement half =
                            PlacePrint(kind, card, {page.Width / 2, page.Height / 2});
                        EXPECT_GE(p.Scale, half.Scale * 2 - 1);
                    }
                }
}

TEST(PrintGeometry, KnownPlacesOfTheTrainSetsSizeOnA4At300Dpi) {
    const platform::PrintPageSize a4{2480, 3507};
    const TPrintPlacement full = PlacePrint(kKinds[0], false, a4);
    EXPECT_EQ(full.Scale, 3);
    EXPECT_EQ(full.Rect.Left, 643);
    EXPECT_EQ(full.Rect.Top, 1270);
    const TPrintPlacement card = PlacePrint(kKinds[0], true, a4);
    EXPECT_EQ(card.Scale, 2);
    EXPECT_EQ(card.Rect.Left, 1536);
    EXPECT_EQ(card.Rect.Top, 2584);
    // The tall doll is sized by half the page's height.
    EXPECT_EQ(PlacePrint(kKinds[2], false, a4).Scale, 9);
}

TEST(PrintGeometry, TheScaleStaysWithinOneTo255AndThePictureOnThePage) {
    // A page far taller than wide: the wide picture's scale would overflow its width.
    const TPrintPlacement narrow = PlacePrint(kKinds[0], false, {500, 20000});
    EXPECT_EQ(narrow.Scale, 1);
    EXPECT_LE(narrow.Rect.Left + narrow.Rect.Width, 500);
    // A tall picture on a landscape sheet: half the height would run off the width.
    const TPrintPlacement landscape = PlacePrint(kKinds[6], false, {300, 20000});
    EXPECT_EQ(landscape.Scale, 1);
    // A huge page caps the scale at 255.
    EXPECT_EQ(PlacePrint(kKinds[5], false, {2000000, 2000000}).Scale, 255);
    // Smaller than the picture: nothing to print.
    EXPECT_EQ(PlacePrint(kKinds[0], false, {300, 300}).Scale, 0);
    EXPECT_EQ(PlacePrint(kKinds[0], true, {600, 600}).Scale, 0);
    EXPECT_EQ(PlacePrint(kKinds[0], false, {0, 0}).Scale, 0);
}

}  // namespace
