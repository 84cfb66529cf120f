#pragma once
// Points and rectangles in signed 32-bit pixels; (0, 0) is the top left, y grows downward,
// and Right and Bottom lie outside the rectangle.
#include <cstdint>
#include <span>

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect MakeRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    return TRect{left, top, right, bottom};
}
inline TRect MakeBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return TRect{left, top, left + width, top + height};
}

TPoint PointAdd(TPoint a, TPoint b);
TPoint PointSub(TPoint a, TPoint b);
TRect OffsetRectBy(TRect r, TPoint p);
TRect OffsetRectBack(TRect r, TPoint p);
TRect BoundsAtPoint(TRect r, TPoint p);
std::int32_t RectWidth(const TRect& r);
std::int32_t RectHeight(const TRect& r);
void MoveRectTo(TRect& r, std::int32_t x, std::int32_t y);
void MoveRectToPoint(TRect& r, TPoint p);

// Also used everywhere a point is tested against a box or two boxes are combined.
bool PtInRect(const TRect& r, TPoint p);
bool IsRectEmpty(const TRect& r);
// Intersection of two rectangles; an empty result is returned as all zeros.
TRect IntersectRects(const TRect& a, const TRect& b);
// Smallest rectangle holding both; an empty rectangle adds nothing.
TRect UnionRects(const TRect& a, const TRect& b);

bool RangesOverlap(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);
bool SegmentsIntersect(TPoint p1, TPoint p2, TPoint q1, TPoint q2);
// A polygon is closed by the edge from its last point back to its first.
TRect PolygonBounds(std::span<const TPoint> points);
bool PolygonsIntersect(std::span<const TPoint> a, std::span<const TPoint> b);
