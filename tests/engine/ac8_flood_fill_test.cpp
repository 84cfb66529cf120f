// Flood fill against a breadth-first reference on random pictures and clips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <random>

#include "engine/graphics/ac8_exception.h"
#include "surface_test_support.h"

namespace {

using surface_test::Picture;
using surface_test::Read;
using surface_test::TestSurface;

TRect ReferenceFill(Picture& pic, const TRect& clip, TPoint start, std::uint8_t colour) {
    TRect changed{pic.Width, pic.Height, 0, 0};
    const std::uint8_t target = pic.At(start.X, start.Y);
    if (target == colour || !PtInRect(clip, start)) return changed;
    std::deque<TPoint> queue{start};
    pic.At(start.X, start.Y) = colour;
    while (!queue.empty()) {
        const TPoint p = queue.front();
        queue.pop_front();
        changed = TRect{std::min(changed.Left, p.X), std::min(changed.Top, p.Y), std::max(changed.Right, p.X + 1),
                        std::max(changed.Bottom, p.Y + 1)};
        for (const TPoint n : {TPoint{p.X - 1, p.Y}, TPoint{p.X + 1, p.Y}, TPoint{p.X, p.Y - 1}, TPoint{p.X, p.Y + 1}}) {
            if (!PtInRect(clip, n) || pic.At(n.X, n.Y) != target) continue;
            pic.At(n.X, n.Y) = colour;
            queue.push_back(n);
        }
    }
    return changed;
}

// Fills from p on the surface and by the reference on a copy of its pixels: the pixels and the
// changed rectangles must agree.
void ExpectTheReferenceFill(TestSurface& s, TPoint p, std::uint8_t colour) {
    Picture expected = Read(*s);
    const TRect expectedRect = ReferenceFill(expected, s->ClipRect(), p, colour);
    const TRect changed = s->FloodFill(p, colour);
    EXPECT_EQ(Read(*s), expected);
    EXPECT_EQ(changed, expectedRect);
}

int RandomIn(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

TEST(AC8FloodFill, MatchesTheReferenceOnRandomPictures) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 300; ++round) {
        TestSurface s(RandomIn(rng, 1, 70), RandomIn(rng, 1, 50));
        // Two colours make large winding regions; three make many small ones.
        surface_test::FillRandom(rng, *s, round % 2 == 0 ? 2 : 3);
        if (round % 3 == 0) s->SetClipRect({RandomIn(rng, 0, 10), RandomIn(rng, 0, 10), RandomIn(rng, 5, 70), RandomIn(rng, 5, 50)});
        const TPoint p{RandomIn(rng, 0, s->Width() - 1), RandomIn(rng, 0, s->Height() - 1)};
        const auto colour = static_cast<std::uint8_t>(RandomIn(rng, 0, 3));

        Picture expected = Read(*s);
        const TRect expectedRect = ReferenceFill(expected, s->ClipRect(), p, colour);
        const TRect changed = s->FloodFill(p, colour);
        ASSERT_EQ(Read(*s), expected) << "round " << round;
        ASSERT_EQ(changed, expectedRect) << "round " << round;
    }
}

// Wide pictures of a plain ground with outlines and holes, as a colouring picture has: long
// runs that walk row after row, split round holes and come back through gaps.
TEST(AC8FloodFill, MatchesTheReferenceOnOutlinedPictures) {
    std::mt19937 rng(77);
    for (int round = 0; round < 60; ++round) {
        TestSurface s(RandomIn(rng, 60, 300), RandomIn(rng, 20, 120));
        const int w = s->Width(), h = s->Height();
        for (int i = RandomIn(rng, 2, 25); i > 0; --i) {
            const int x = RandomIn(rng, -10, w), y = RandomIn(rng, -10, h);
            const TRect r{x, y, x + RandomIn(rng, 1, w / 2), y + RandomIn(rng, 1, h / 2)};
            const auto colour = static_cast<std::uint8_t>(RandomIn(rng, 1, 2));
            if (i % 3 == 0) {
                s->FillRect(r, colour);
            } else {
                s->FrameRect(r, colour);
                s->FillRect({r.Left + 2, r.Bottom - 1, r.Left + 5, r.Bottom}, 0);  // a gap in the outline
            }
        }
        if (round % 4 == 0) s->SetClipRect({RandomIn(rng, 0, 20), RandomIn(rng, 0, 10), w - RandomIn(rng, 0, 20), h - RandomIn(rng, 0, 10)});
        const TPoint p{RandomIn(rng, 0, w - 1), RandomIn(rng, 0, h - 1)};

        Picture expected = Read(*s);
        const TRect expectedRect = ReferenceFill(expected, s->ClipRect(), p, 5);
        const TRect changed = s->FloodFill(p, 5);
        ASSERT_EQ(Read(*s), expected) << "round " << round;
        ASSERT_EQ(changed, expectedRect) << "round " << round;
    }
}

// Regions one pixel thin that wind up and down and left and right, on surfaces from a
// single row or column to rows far wider than a machine word: the fill has to turn back
// again and again, and runs cross word edges at every offset.
TEST(AC8FloodFill, MatchesTheReferenceOnThinWindingRegions) {
    std::mt19937 rng(5);
    const TPoint sizes[] = {{1, 1}, {1000, 1}, {1, 700}, {3, 400}, {200, 3}, {129, 65}, {700, 40}, {64, 64}, {65, 130}};
    for (int round = 0; round < 36; ++round) {
        const TPoint size = sizes[round % std::size(sizes)];
        TestSurface s(size.X, size.Y);
        const int w = s->Width(), h = s->Height();
        s->FillRect(s->GetBounds(), 1);
        // Columns joined alternately at the top and the bottom, or rows joined alternately at
        // the left and the right, with a random gap now and then.
        const bool columns = round % 2 == 0;
        const int across = columns ? w : h, along = columns ? h : w;
        for (int i = 0; i < across; i += 2) {
            for (int j = 0; j < along; ++j) {
                if (columns) *s->StartLine(i, j) = 0;
                else *s->StartLine(j, i) = 0;
            }
            if (i + 1 < across) {
                const int j = (i / 2) % 2 == 0 ? along - 1 : 0;
                if (columns) *s->StartLine(i + 1, j) = 0;
                else *s->StartLine(j, i + 1) = 0;
            }
        }
        for (int k = RandomIn(rng, 0, 3); k > 0; --k) *s->StartLine(RandomIn(rng, 0, w - 1), RandomIn(rng, 0, h - 1)) = 1;
        if (round % 3 == 2) s->SetClipRect({RandomIn(rng, 0, w / 4), RandomIn(rng, 0, h / 4), w - RandomIn(rng, 0, w / 4), h});
        const TPoint p{RandomIn(rng, 0, w - 1), RandomIn(rng, 0, h - 1)};
        const auto colour = static_cast<std::uint8_t>(RandomIn(rng, 0, 2));

        Picture expected = Read(*s);
        const TRect expectedRect = ReferenceFill(expected, s->ClipRect(), p, colour);
        const TRect changed = s->FloodFill(p, colour);
        ASSERT_EQ(Read(*s), expected) << "round " << round;
        ASSERT_EQ(changed, expectedRect) << "round " << round;
    }
}

// Runs that end at every column: a wall pixel moves one column on from row to row, and some
// rows have a second one, so runs end at every pixel of a block, of the row's last block and
// of a seed, on rows narrower and wider than a block, with the clip at the edges and inside.
TEST(AC8FloodFill, MatchesTheReferenceWhereRunsEndAtEveryColumn) {
    for (const int width : {1, 31, 32, 33, 63, 64, 65, 95, 130, 200}) {
        for (int clipped = 0; clipped < 2; ++clipped) {
            TestSurface s(width, 150);
            for (int y = 0; y < 150; ++y) {
                *s->StartLine(y % width, y) = 1;
                if (y % 3 == 0) *s->StartLine((y * 7 + 5) % width, y) = 1;
            }
            if (clipped == 1) s->SetClipRect({width / 5, 4, width - width / 7, 140});
            const TRect clip = s->ClipRect();
            TPoint p{clip.Right - 1, clip.Bottom - 1};
            while (p.X > clip.Left && *s->StartLine(p.X, p.Y) != 0) --p.X;

            Picture expected = Read(*s);
            const TRect expectedRect = ReferenceFill(expected, clip, p, 6);
            const TRect changed = s->FloodFill(p, 6);
            ASSERT_EQ(Read(*s), expected) << "width " << width << " clipped " << clipped;
            ASSERT_EQ(changed, expectedRect) << "width " << width << " clipped " << clipped;
        }
    }
}

// A comb: one ground row with hundreds of teeth standing on it. Every tooth is a span still
// to search when the fill leaves the ground row, far more than a fill usually keeps at once;
// teeth of one and two pixels, joined at the top or the bottom, clipped or not.
TEST(AC8FloodFill, MatchesTheReferenceOnCombsOfManyTeeth) {
    for (const int tooth : {1, 2}) {
        for (const bool groundAtTop : {false, true}) {
            TestSurface s(3001, 12);
            for (int x = tooth; x < s->Width(); x += tooth + 1) s->VLine({x, groundAtTop ? 1 : 0}, 11, 1);
            if (tooth == 2) s->SetClipRect({7, 0, 2990, 12});
            SCOPED_TRACE(testing::Message() << "tooth " << tooth << " ground at top " << groundAtTop);
            ExpectTheReferenceFill(s, {1500, groundAtTop ? 0 : 11}, 4);
        }
    }
}

// Diamonds of the old colour: from the one-pixel tip every row's run sticks out past its
// seed on both sides, past the middle every run is narrower than its seed, and the clip cuts
// the widest rows at either edge. Sizes put the seeds' ends at every offset of a block.
TEST(AC8FloodFill, MatchesTheReferenceOnDiamonds) {
    for (const int half : {3, 9, 17, 40, 70}) {
        for (int clipped = 0; clipped < 3; ++clipped) {
            const int side = 2 * half + 1;
            TestSurface s(side + 6, side);
            s->FillRect(s->GetBounds(), 1);
            for (int y = 0; y < side; ++y) {
                const int reach = half - std::abs(y - half);
                s->HLine({3 + half - reach, y}, 2 * reach + 1, 0);
            }
            if (clipped == 1) s->SetClipRect({3 + half / 2, 0, side + 6 - half / 3, side});
            if (clipped == 2) s->SetClipRect({0, half / 2, side + 6, side});
            SCOPED_TRACE(testing::Message() << "half " << half << " clipped " << clipped);
            ExpectTheReferenceFill(s, {3 + half, clipped == 2 ? half : 0}, 8);
        }
    }
}

TEST(AC8FloodFill, FillsAroundHolesAndStopsAtOutlines) {
    TestSurface s(40, 30);
    s->FrameRect({5, 5, 35, 25}, 1);  // an outline
    s->FillRect({15, 10, 20, 15}, 2);  // a hole inside it
    s->FillRect({8, 8, 30, 9}, 1);     // a wall that the fill must go around
    const TRect changed = s->FloodFill({10, 12}, 3);
    EXPECT_EQ(changed, (TRect{6, 6, 34, 24}));
    const Picture p = Read(*s);
    EXPECT_EQ(p.At(6, 6), 3);    // reached round the wall's open end
    EXPECT_EQ(p.At(17, 12), 2);  // the hole stays
    EXPECT_EQ(p.At(2, 2), 0);    // outside the outline stays
    EXPECT_EQ(p.At(5, 12), 1);
}

TEST(AC8FloodFill, SameColourChangesNothing) {
    TestSurface s(10, 10);
    s->FillRect(s->GetBounds(), 4);
    s->ClearDamage();
    EXPECT_EQ(s->FloodFill({3, 3}, 4), (TRect{10, 10, 0, 0}));
    EXPECT_EQ(Read(*s), (Picture{10, 10, std::vector<std::uint8_t>(100, 4)}));
    EXPECT_FALSE(s->HasDamage());
}

TEST(AC8FloodFill, StopsAtTheClipAndReportsIt) {
    TestSurface s(20, 20);
    s->SetClipRect({5, 5, 15, 15});
    EXPECT_EQ(s->FloodFill({7, 7}, 9), (TRect{5, 5, 15, 15}));
    const Picture p = Read(*s);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(p.At(x, y), (x >= 5 && x < 15 && y >= 5 && y < 15) ? 9 : 0);
    ASSERT_TRUE(s->HasDamage());
    EXPECT_EQ(static_cast<TDamageNode*>(s->Damage().First())->Rect, (TRect{5, 5, 15, 15}));

    // A point outside the clip fills nothing; one off the surface is an error.
    EXPECT_EQ(s->FloodFill({1, 1}, 9), (TRect{20, 20, 0, 0}));
    EXPECT_THROW(s->FloodFill({20, 0}, 9), AC8Exception);
}

}  // namespace
