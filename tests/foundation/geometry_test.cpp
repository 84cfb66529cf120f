#include <gtest/gtest.h>

#include <vector>

#include "foundation/geometry.h"

namespace {

TEST(GeometryTest, PointAndRectangleArithmetic) {
    EXPECT_EQ(PointAdd({1, 2}, {3, -4}), (TPoint{4, -2}));
    EXPECT_EQ(PointSub({1, 2}, {3, -4}), (TPoint{-2, 6}));
    const TRect r{10, 20, 40, 60};
    EXPECT_EQ(OffsetRectBy(r, {1, 2}), (TRect{11, 22, 41, 62}));
    EXPECT_EQ(OffsetRectBack(r, {1, 2}), (TRect{9, 18, 39, 58}));
    EXPECT_EQ(BoundsAtPoint(r, {0, 0}), (TRect{0, 0, 30, 40}));
    TRect moved = r;
    MoveRectTo(moved, -5, 5);
    EXPECT_EQ(moved, (TRect{-5, 5, 25, 45}));
    MoveRectToPoint(moved, {1, 1});
    EXPECT_EQ(moved, (TRect{1, 1, 31, 41}));
    EXPECT_TRUE(PtInRect(r, {10, 20}));
    EXPECT_FALSE(PtInRect(r, {40, 20}));  // Right lies outside
    EXPECT_EQ(IntersectRects(r, {30, 50, 100, 100}), (TRect{30, 50, 40, 60}));
    EXPECT_EQ(IntersectRects(r, {40, 0, 50, 10}), TRect{});
    EXPECT_EQ(UnionRects(TRect{}, r), r);
}

TEST(GeometryTest, RangesOverlapIncludesTouchingEnds) {
    EXPECT_TRUE(RangesOverlap(0, 10, 10, 20));
    EXPECT_FALSE(RangesOverlap(0, 10, 11, 20));
    EXPECT_TRUE(RangesOverlap(10, 0, 5, 7));
}

TEST(GeometryTest, SegmentCases) {
    // Two horizontal segments: same row overlapping, different rows.
    EXPECT_TRUE(SegmentsIntersect({0, 5}, {10, 5}, {5, 5}, {20, 5}));
    EXPECT_FALSE(SegmentsIntersect({0, 5}, {10, 5}, {5, 6}, {20, 6}));
    // Vertical against horizontal.
    EXPECT_TRUE(SegmentsIntersect({5, 0}, {5, 10}, {0, 5}, {10, 5}));
    // Diagonal against horizontal: x = 5 strictly inside; then at the larger first end.
    EXPECT_TRUE(SegmentsIntersect({0, 0}, {10, 10}, {10, 5}, {0, 5}));
    EXPECT_FALSE(SegmentsIntersect({0, 0}, {10, 10}, {5, 5}, {0, 5}));
    // Crossing diagonals, and parallel diagonals apart.
    EXPECT_TRUE(SegmentsIntersect({0, 0}, {10, 10}, {0, 10}, {10, 0}));
    EXPECT_FALSE(SegmentsIntersect({0, 0}, {10, 10}, {1, 0}, {11, 10}));
    // Far apart boxes.
    EXPECT_FALSE(SegmentsIntersect({0, 0}, {1, 1}, {5, 5}, {6, 7}));
}

TEST(GeometryTest, PolygonsOnlyIntersectWhenEdgesCross) {
    const std::vector<TPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<TPoint> neighbour{{10, 0}, {20, 0}, {20, 10}, {10, 10}};
    const std::vector<TPoint> inside{{3, 3}, {6, 3}, {6, 6}, {3, 6}};
    const std::vector<TPoint> crossing{{5, 5}, {15, 5}, {15, 15}, {5, 15}};
    EXPECT_FALSE(PolygonsIntersect(square, neighbour));
    EXPECT_FALSE(PolygonsIntersect(square, inside));
    EXPECT_TRUE(PolygonsIntersect(square, crossing));
    EXPECT_EQ(PolygonBounds(crossing), (TRect{5, 5, 15, 15}));
}

TEST(GeometryTest, HugeCoordinatesWrapWithoutUndefinedBehaviour) {
    const TPoint big{2000000000, -2000000000};
    (void)SegmentsIntersect(big, {-big.X, -big.Y}, {-2000000000, -1999999999}, {1999999999, 2000000000});
    SUCCEED();
}

}  // namespace
