// Copies between surfaces against simple references written here: every flip and
// transparency combination of Blit under random clips and rectangles, the scaled copies,
// and the hand-checked cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "surface_test_support.h"

namespace {

using surface_test::Picture;
using surface_test::Read;
using surface_test::TestSurface;

// Blit as a placement: the source rectangle (its negative left and top moved onto the
// destination point, then cut to the source) laid at the point, mirrored within itself,
// drawn wherever it lands inside the clip.
void ReferenceBlit(Picture& dst, const TRect& clip, TPoint p, const Picture& src, TRect q, bool flipH, bool flipV,
                   int key) {
    if (q.Left < 0) p.X -= q.Left, q.Left = 0;
    if (q.Top < 0) p.Y -= q.Top, q.Top = 0;
    if (q.Right < q.Left) std::swap(q.Left, q.Right);
    if (q.Bottom < q.Top) std::swap(q.Top, q.Bottom);
    q.Left = std::max(q.Left, 0);
    q.Top = std::max(q.Top, 0);
    q.Right = std::min(q.Right, src.Width);
    q.Bottom = std::min(q.Bottom, src.Height);
    for (int sy = q.Top; sy < q.Bottom; ++sy) {
        for (int sx = q.Left; sx < q.Right; ++sx) {
            const int dx = p.X + (flipH ? q.Right - 1 - sx : sx - q.Left);
            const int dy = p.Y + (flipV ? q.Bottom - 1 - sy : sy - q.Top);
            if (!PtInRect(clip, {dx, dy})) continue;
            const std::uint8_t v = src.At(sx, sy);
            if (key >= 0 && v == key) continue;
            dst.At(dx, dy) = v;
        }
    }
}

int RandomIn(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

TEST(AC8Blit, MatchesTheReferenceForEveryFlipAndTransparency) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 400; ++round) {
        const bool flipH = round & 1, flipV = round & 2, keyed = round & 4;
        TestSurface src(RandomIn(rng, 1, 40), RandomIn(rng, 1, 30));
        TestSurface dst(RandomIn(rng, 1, 50), RandomIn(rng, 1, 40));
        surface_test::FillRandom(rng, *src, 4);
        surface_test::FillRandom(rng, *dst, 256);
        src->SetTransparency(2, keyed);
        src->FlipHorizontal = flipH;
        src->FlipVertical = flipV;
        dst->SetClipRect({RandomIn(rng, -5, 20), RandomIn(rng, -5, 20), RandomIn(rng, 10, 60), RandomIn(rng, 10, 50)});
        const TRect q{RandomIn(rng, -10, 30), RandomIn(rng, -10, 25), RandomIn(rng, -5, 50), RandomIn(rng, -5, 40)};
        const TPoint p{RandomIn(rng, -30, 50), RandomIn(rng, -30, 40)};

        Picture expected = Read(*dst);
        ReferenceBlit(expected, dst->ClipRect(), p, Read(*src), q, flipH, flipV, keyed ? 2 : -1);
        dst->Blit(p, *src, q);
        ASSERT_EQ(Read(*dst), expected) << "round " << round << " q " << q.Left << "," << q.Top << "," << q.Right
                                        << "," << q.Bottom << " p " << p.X << "," << p.Y << " src " << src->Width()
                                        << "x" << src->Height();
    }
}

TEST(AC8Blit, NegativeSourceLeftMovesTheDestination) {
    TestSurface src(10, 10), dst(64, 64);
    for (int x = 0; x < 10; ++x) src->VLine({x, 0}, 10, static_cast<std::uint8_t>(x + 1));
    dst->Blit({20, 20}, *src, {-5, 0, 10, 10});
    const Picture p = Read(*dst);
    EXPECT_EQ(p.At(24, 20), 0);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(p.At(25 + x, 20), x + 1);
    EXPECT_EQ(p.At(35, 20), 0);
}

TEST(AC8Blit, MirroredCopyKeepsTheColumnsThatLandInsideTheClip) {
    TestSurface src(10, 1), dst(20, 1);
    for (int x = 0; x < 10; ++x) *src->StartLine(x, 0) = static_cast<std::uint8_t>(x + 1);
    src->FlipHorizontal = true;
    dst->SetClipRect({3, 0, 20, 1});
    dst->Blit({0, 0}, *src, {0, 0, 10, 1});
    const Picture p = Read(*dst);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(p.At(x, 0), 0);
    for (int x = 3; x < 10; ++x) EXPECT_EQ(p.At(x, 0), 10 - x) << x;  // source columns 6 down to 0
}

TEST(AC8Blit, CopyOutsideTheClipChangesNothingAndAddsNoDamage) {
    TestSurface src(8, 8), dst(32, 32);
    src->FillRect(src->GetBounds(), 5);
    dst->SetClipRect({0, 0, 10, 10});
    dst->Blit({12, 0}, *src, src->GetBounds());
    dst->Blit({0, 0}, *src, {8, 8, 16, 16});  // nothing of the source there
    EXPECT_FALSE(dst->HasDamage());
    EXPECT_EQ(Read(*dst), (Picture{32, 32, std::vector<std::uint8_t>(32 * 32, 0)}));
}

TEST(AC8Blit, ClippedBlitRestoresTheClipRectExactly) {
    TestSurface src(4, 4), dst(16, 16);
    src->FillRect(src->GetBounds(), 7);
    dst->SetClipRect({1, 2, 15, 14});
    dst->BlitClipped({0, 0}, *src, {2, 2, 3, 3}, src->GetBounds());
    EXPECT_EQ(dst->ClipRect(), (TRect{1, 2, 15, 14}));
    const Picture p = Read(*dst);
    EXPECT_EQ(p.At(2, 2), 7);
    EXPECT_EQ(p.At(1, 1), 0);
    EXPECT_EQ(p.At(3, 3), 0);
}

TEST(AC8Blit, CopyWithinOneSurfaceReadsBeforeWriting) {
    std::mt19937 rng(77);
    for (int round = 0; round < 50; ++round) {
        TestSurface s(30, 30);
        surface_test::FillRandom(rng, *s, 256);
        s->FlipHorizontal = round & 1;
        s->FlipVertical = round & 2;
        const TRect q{RandomIn(rng, 0, 15), RandomIn(rng, 0, 15), RandomIn(rng, 15, 30), RandomIn(rng, 15, 30)};
        const TPoint p{RandomIn(rng, -5, 20), RandomIn(rng, -5, 20)};
        const Picture before = Read(*s);
        Picture expected = before;
        ReferenceBlit(expected, s->ClipRect(), p, before, q, s->FlipHorizontal, s->FlipVertical, -1);
        s->Blit(p, *s, q);
        ASSERT_EQ(Read(*s), expected) << "round " << round;
    }
}

// StretchBlit, literally as the drawing rules walk it: one source row and column at a time
// with integer accumulators, no shortcuts.
void ReferenceStretch(Picture& dst, const TRect& clip, const TRect& e, const Picture& src, const TRect& q, bool flipH,
                      bool flipV, int key) {
    const int qw = RectWidth(q), qh = RectHeight(q), ew = RectWidth(e), eh = RectHeight(e);
    if (qw <= 0 || qh <= 0 || ew <= 0 || eh <= 0) return;
    const int colStep = flipH ? -1 : 1, rowStep = flipV ? -1 : 1;
    int row = flipV ? e.Bottom - 1 : e.Top;
    long acc = 0;
    for (int y = q.Top; y < src.Height; ++y) {
        if (rowStep > 0 ? row >= clip.Bottom : row < clip.Top) break;
        acc += eh;
        while (acc >= qh) {
            if (y >= 0 && row >= clip.Top && row < clip.Bottom) {
                int col = flipH ? e.Right - 1 : e.Left;
                long cacc = 0;
                for (int x = q.Left; x < src.Width; ++x) {
                    if (colStep > 0 ? col >= clip.Right : col < clip.Left) break;
                    cacc += ew;
                    while (cacc >= qw) {
                        if (x >= 0 && col >= clip.Left && col < clip.Right && (key < 0 || src.At(x, y) != key))
                            dst.At(col, row) = src.At(x, y);
                        col += colStep;
                        cacc -= qw;
                    }
                }
            }
            row += rowStep;
            acc -= qh;
        }
    }
}

TEST(AC8StretchBlit, MatchesTheReferenceWithFlipsTransparencyAndClipping) {
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        const bool flipH = round & 1, flipV = round & 2, keyed = round & 4;
        TestSurface src(RandomIn(rng, 1, 30), RandomIn(rng, 1, 30));
        TestSurface dst(RandomIn(rng, 1, 60), RandomIn(rng, 1, 60));
        surface_test::FillRandom(rng, *src, 4);
        surface_test::FillRandom(rng, *dst, 256);
        src->SetTransparency(1, keyed);
        src->FlipHorizontal = flipH;
        src->FlipVertical = flipV;
        dst->SetClipRect({RandomIn(rng, -5, 20), RandomIn(rng, -5, 20), RandomIn(rng, 10, 70), RandomIn(rng, 10, 70)});
        // Source rectangles may reach off the source: those pixels are never read.
        const TRect q{RandomIn(rng, -8, 20), RandomIn(rng, -8, 20), RandomIn(rng, 1, 40), RandomIn(rng, 1, 40)};
        const TRect e{RandomIn(rng, -20, 40), RandomIn(rng, -20, 40), RandomIn(rng, -5, 80), RandomIn(rng, -5, 80)};

        Picture expected = Read(*dst);
        ReferenceStretch(expected, dst->ClipForDrawing(e), e, Read(*src), q, flipH, flipV, keyed ? 1 : -1);
        dst->StretchBlit(e, *src, q);
        ASSERT_EQ(Read(*dst), expected) << "round " << round;
    }
}

TEST(AC8StretchBlit, DoublesAndHalvesByWholePixels) {
    TestSurface two(2, 2), four(4, 4);
    *two->StartLine(0, 0) = 1;
    *two->StartLine(1, 0) = 2;
    *two->StartLine(0, 1) = 3;
    *two->StartLine(1, 1) = 4;
    four->StretchBlit(four->GetBounds(), *two, two->GetBounds());
    const Picture up = Read(*four);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(up.At(x, y), 1 + x / 2 + 2 * (y / 2)) << x << "," << y;

    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) *four->StartLine(x, y) = static_cast<std::uint8_t>(10 * y + x);
    two->StretchBlit(two->GetBounds(), *four, four->GetBounds());
    const Picture down = Read(*two);
    EXPECT_EQ(down.At(0, 0), 11);  // source columns and rows 1 and 3
    EXPECT_EQ(down.At(1, 0), 13);
    EXPECT_EQ(down.At(0, 1), 31);
    EXPECT_EQ(down.At(1, 1), 33);
}

// StretchIntoKeySpan, as the rules describe each destination row.
void ReferenceKeySpan(Picture& dst, TRect e, const Picture& src, TRect q, int key) {
    q = TRect{std::max(std::min(q.Left, q.Right), 0), std::max(std::min(q.Top, q.Bottom), 0),
              std::min(std::max(q.Left, q.Right), src.Width), std::min(std::max(q.Top, q.Bottom), src.Height)};
    e = TRect{std::max(std::min(e.Left, e.Right), 0), std::max(std::min(e.Top, e.Bottom), 0),
              std::min(std::max(e.Left, e.Right), dst.Width), std::min(std::max(e.Top, e.Bottom), dst.Height)};
    const int qw = RectWidth(q), qh = RectHeight(q), eh = RectHeight(e);
    if (qw <= 0 || qh <= 0 || eh <= 0 || RectWidth(e) <= 0) return;
    int y = e.Top;
    long acc = 0;
    for (int sy = q.Top; sy < q.Bottom; ++sy) {
        acc += eh;
        while (acc >= qh && y < e.Bottom) {
            int first = -1, last = -1;
            for (int x = e.Left; x < e.Right; ++x)
                if (dst.At(x, y) == key) {
                    if (first < 0) first = x;
                    last = x;
                }
            if (first >= 0) {
                const int w = last + 1 - first;
                int col = first;
                long sacc = 0;
                for (int sx = q.Left; sx < q.Right && col <= last; ++sx) {
                    sacc += w;
                    while (sacc >= qw && col <= last) {
                        dst.At(col++, y) = src.At(sx, sy);
                        sacc -= qw;
                    }
                }
            }
            ++y;
            acc -= qh;
        }
    }
}

TEST(AC8StretchIntoKeySpan, MatchesTheReference) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 300; ++round) {
        TestSurface src(RandomIn(rng, 1, 30), RandomIn(rng, 1, 30));
        TestSurface dst(RandomIn(rng, 1, 50), RandomIn(rng, 1, 50));
        surface_test::FillRandom(rng, *src, 256);
        surface_test::FillRandom(rng, *dst, 12);  // key 0 appears now and then in a row
        dst->SetClipRect({5, 5, 6, 6});           // the clip does not apply here
        const TRect q{RandomIn(rng, -5, 30), RandomIn(rng, -5, 30), RandomIn(rng, -5, 35), RandomIn(rng, -5, 35)};
        const TRect e{RandomIn(rng, -5, 50), RandomIn(rng, -5, 50), RandomIn(rng, -5, 55), RandomIn(rng, -5, 55)};
        Picture expected = Read(*dst);
        ReferenceKeySpan(expected, e, Read(*src), q, 0);
        dst->StretchIntoKeySpan(e, *src, 0, q);
        ASSERT_EQ(Read(*dst), expected) << "round " << round;
    }
}

TEST(AC8StretchIntoKeySpan, RewritesFromFirstToLastKeyPixelOnly) {
    TestSurface src(1, 2), dst(30, 2);
    *src->StartLine(0, 0) = 9;
    *src->StartLine(0, 1) = 9;
    *dst->StartLine(10, 0) = 200;
    *dst->StartLine(20, 0) = 200;
    *dst->StartLine(15, 0) = 3;
    dst->StretchIntoKeySpan(dst->GetBounds(), *src, 200, src->GetBounds());
    const Picture p = Read(*dst);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(p.At(x, 0), (x >= 10 && x <= 20) ? 9 : 0) << x;
        EXPECT_EQ(p.At(x, 1), 0) << "row without the key stays, column " << x;
    }
}

}  // namespace
