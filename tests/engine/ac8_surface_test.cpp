// The surface's own drawing: rectangle rules, fills and outlines, row access and its
// errors, the damage each drawing leaves, and the point-sampled reduction.
#include <gtest/gtest.h>

#include <vector>

#include "engine/graphics/ac8_exception.h"
#include "surface_test_support.h"

namespace {

using surface_test::DamageOf;
using surface_test::Picture;
using surface_test::Read;
using surface_test::TestSurface;

TEST(AC8Surface, NormalisesAndClipsRectangles) {
    TestSurface s(100, 50);
    EXPECT_EQ(s->GetBounds(), (TRect{0, 0, 100, 50}));
    EXPECT_EQ(s->NormaliseRect({90, 40, -10, 60}), (TRect{0, 40, 90, 50}));  // swapped, then clamped
    EXPECT_EQ(s->NormaliseRect({200, 0, 300, 10}), (TRect{200, 0, 200, 10}));  // wholly off: empty
    EXPECT_TRUE(IsRectEmpty(s->NormaliseRect({200, 0, 300, 10})));

    EXPECT_TRUE(s->SetClipRect({10, 10, 200, 200}));
    EXPECT_EQ(s->ClipRect(), (TRect{10, 10, 100, 50}));
    EXPECT_EQ(s->ClipForDrawing({30, 30, 0, 0}), (TRect{10, 10, 30, 30}));
    EXPECT_FALSE(s->SetClipRect({200, 200, 300, 300}));
    EXPECT_TRUE(IsRectEmpty(s->ClipRect()));
    s->ResetClipRect();
    EXPECT_EQ(s->ClipRect(), s->GetBounds());
}

TEST(AC8Surface, TransparencyReadsAsMinusOneWhenOff) {
    TestSurface s(4, 4);
    EXPECT_EQ(s->TransparentColour(), -1);
    s->SetTransparency(7, true);
    EXPECT_EQ(s->TransparentColour(), 7);
    s->SetTransparency(7, false);
    EXPECT_EQ(s->TransparentColour(), -1);
}

TEST(AC8Surface, RowAccessWalksBottomUpRowsAndChecksCoordinates) {
    TestSurface s(5, 3);
    // Rows are held bottom-up: the top row is the last in the image's buffer.
    *s->StartLine(2, 0) = 9;
    EXPECT_EQ(s.Image->Pixels()[2 * 8 + 2], 9);  // stride 8, buffer row 2
    std::int32_t y = 0;
    std::uint8_t* p = s->StartLine(1, 0);
    p = s->NextStartLine(p, 1, y);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(p, s->StartLine(1, 1));
    p = s->PrevStartLine(p, 1, y);
    EXPECT_EQ(p, s->StartLine(1, 0));

    EXPECT_THROW(
        {
            try {
                s->GetPixel({5, 0});
            } catch (const AC8Exception& e) {
                EXPECT_STREQ(e.what(), "StartLine: co-ordinates outside drawing area");
                throw;
            }
        },
        AC8Exception);
    EXPECT_THROW(s->StartLine(0, -1), AC8Exception);
    y = 0;
    EXPECT_THROW(s->PrevStartLine(p, 1, y), AC8Exception);
    y = 2;
    EXPECT_THROW(s->NextStartLine(s->StartLine(1, 2), 1, y), AC8Exception);
    EXPECT_THROW(s->UnlockSegment(0, 3), AC8Exception);
    EXPECT_NO_THROW(s->UnlockSegment(4, 2));
}

TEST(AC8Surface, FillsLinesAndOutlinesStayInsideTheClip) {
    TestSurface s(12, 8);
    s->SetClipRect({1, 1, 11, 7});
    s->FillRect({-5, -5, 50, 50}, 3);
    Picture expected{12, 8, std::vector<std::uint8_t>(96, 0)};
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 11; ++x) expected.At(x, y) = 3;
    EXPECT_EQ(Read(*s), expected);
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{1, 1, 11, 7}}));

    s->ClearDamage();
    s->HLine({2, 2}, 3, 5);
    s->VLine({9, 6}, -3, 6);  // negative length runs upward
    expected.At(2, 2) = expected.At(3, 2) = expected.At(4, 2) = 5;
    expected.At(9, 3) = expected.At(9, 4) = expected.At(9, 5) = 6;
    EXPECT_EQ(Read(*s), expected);
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{2, 2, 5, 3}, {9, 3, 10, 6}}));
}

TEST(AC8Surface, FrameRectDrawsOnlyTheEdgesThatSurviveClipping) {
    TestSurface s(12, 6);
    s->FrameRect({-2, 0, 10, 5}, 1);  // the left edge lies off the surface
    const Picture p = Read(*s);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(p.At(x, 0), 1) << x;
        EXPECT_EQ(p.At(x, 4), 1) << x;
    }
    for (int y = 1; y < 4; ++y) {
        EXPECT_EQ(p.At(0, y), 0) << "no left edge in row " << y;
        EXPECT_EQ(p.At(9, y), 1) << "right edge in row " << y;
        for (int x = 1; x < 9; ++x) EXPECT_EQ(p.At(x, y), 0);
    }
    EXPECT_EQ(p.At(10, 0), 0);
    EXPECT_EQ(p.At(0, 5), 0);

    // Reversed corners give the same frame.
    TestSurface t(12, 6);
    t->FrameRect({10, 5, -2, 0}, 1);
    EXPECT_EQ(Read(*t), p);
}

TEST(AC8Surface, DrawingWhollyClippedChangesNoPixel) {
    TestSurface s(8, 8);
    s->SetClipRect({2, 2, 6, 6});
    s->FillRect({6, 0, 8, 8}, 9);
    s->FrameRect({0, 0, 2, 2}, 9);
    EXPECT_EQ(Read(*s), (Picture{8, 8, std::vector<std::uint8_t>(64, 0)}));
}

TEST(AC8Surface, ShrinkTakesEveryNthPixelOfEveryNthRow) {
    std::mt19937 rng(5);
    TestSurface big(512, 320);
    surface_test::FillRandom(rng, *big, 256);
    TestSurface small(102, 64);
    small->ShrinkFrom(*big, 5);
    const Picture b = Read(*big), p = Read(*small);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 102; ++x) ASSERT_EQ(p.At(x, y), b.At(5 * x, 5 * y)) << x << "," << y;
    EXPECT_FALSE(small->HasDamage());
}

TEST(AC8Surface, ShrinkRefusesBadFactorsAndSmallSourcesBeforeWriting) {
    TestSurface big(20, 20);
    big->FillRect(big->GetBounds(), 4);
    TestSurface small(5, 5);
    small->FillRect(small->GetBounds(), 1);
    const Picture before = Read(*small);
    EXPECT_THROW(small->ShrinkFrom(*big, 0), AC8Exception);
    EXPECT_THROW(small->ShrinkFrom(*big, -2), AC8Exception);
    EXPECT_THROW(small->ShrinkFrom(*big, 5), AC8Exception);  // needs 25 x 25
    EXPECT_EQ(Read(*small), before);
    EXPECT_NO_THROW(small->ShrinkFrom(*big, 4));
}

TEST(AC8Surface, EmptyImageGivesAnEmptySurface) {
    TAC8Image image;
    TAC8ImageData s(image);
    EXPECT_EQ(s.GetBounds(), TRect{});
    s.FillRect({0, 0, 10, 10}, 1);
    EXPECT_THROW(s.GetPixel({0, 0}), AC8Exception);
}

}  // namespace
