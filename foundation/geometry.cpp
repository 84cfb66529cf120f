#include "geometry.h"

#include <algorithm>

namespace {
// The segment test multiplies screen coordinates; it is specified with wrapping 32-bit
// arithmetic, which unsigned arithmetic gives without undefined behaviour.
std::int32_t Mul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
std::int32_t Sub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
std::int32_t Add(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int32_t Div(std::int32_t a, std::int32_t b) {
    if (b == 0) return 0;
    if (b == -1) return Sub(0, a);
    return a / b;
}
bool Between(std::int32_t v, std::int32_t a, std::int32_t b) {
    return (a <= b) ? (a <= v && v <= b) : (b <= v && v <= a);
}
}  // namespace

TPoint PointAdd(TPoint a, TPoint b) { return {a.X + b.X, a.Y + b.Y}; }
TPoint PointSub(TPoint a, TPoint b) { return {a.X - b.X, a.Y - b.Y}; }
TRect OffsetRectBy(TRect r, TPoint p) { return {r.Left + p.X, r.Top + p.Y, r.Right + p.X, r.Bottom + p.Y}; }
TRect OffsetRectBack(TRect r, TPoint p) { return {r.Left - p.X, r.Top - p.Y, r.Right - p.X, r.Bottom - p.Y}; }
TRect BoundsAtPoint(TRect r, TPoint p) { return {p.X, p.Y, p.X + RectWidth(r), p.Y + RectHeight(r)}; }
std::int32_t RectWidth(const TRect& r) { return r.Right - r.Left; }
std::int32_t RectHeight(const TRect& r) { return r.Bottom - r.Top; }

void MoveRectTo(TRect& r, std::int32_t x, std::int32_t y) {
    const std::int32_t w = RectWidth(r);
    const std::int32_t h = RectHeight(r);
    r = {x, y, x + w, y + h};
}
void MoveRectToPoint(TRect& r, TPoint p) { MoveRectTo(r, p.X, p.Y); }

bool PtInRect(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }
bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

TRect IntersectRects(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    return IsRectEmpty(r) ? TRect{} : r;
}

TRect UnionRects(const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) return IsRectEmpty(b) ? TRect{} : b;
    if (IsRectEmpty(b)) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

bool RangesOverlap(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
    const std::int32_t lo1 = std::min(a, b), hi1 = std::max(a, b);
    const std::int32_t lo2 = std::min(c, d), hi2 = std::max(c, d);
    return lo1 <= hi2 && lo2 <= hi1;
}

bool SegmentsIntersect(TPoint p1, TPoint p2, TPoint q1, TPoint q2) {
    if (!RangesOverlap(p1.X, p2.X, q1.X, q2.X) || !RangesOverlap(p1.Y, p2.Y, q1.Y, q2.Y)) return false;
    const std::int32_t dxP = Sub(p2.X, p1.X), dyP = Sub(p2.Y, p1.Y);
    const std::int32_t dxQ = Sub(q2.X, q1.X), dyQ = Sub(q2.Y, q1.Y);
    const bool pHorizontal = dyP == 0, pVertical = dxP == 0;
    const bool qHorizontal = dyQ == 0, qVertical = dxQ == 0;

    if (!pHorizontal && !pVertical && !qHorizontal && !qVertical) {
        const std::int32_t c1 = Sub(Mul(p1.Y, dxP), Mul(p1.X, dyP));
        const std::int32_t c2 = Sub(Mul(q1.Y, dxQ), Mul(q1.X, dyQ));
        const std::int32_t num = Sub(Mul(dxQ, c1), Mul(dxP, c2));
        const std::int32_t den = Sub(Mul(dxP, dyQ), Mul(dxQ, dyP));
        return Between(num, Mul(p1.X, den), Mul(p2.X, den)) && Between(num, Mul(q1.X, den), Mul(q2.X, den));
    }
    if (pHorizontal && qHorizontal) return p1.Y == q1.Y;
    if (pVertical && qVertical) return p1.X == q1.X;
    if ((pVertical && qHorizontal) || (pHorizontal && qVertical)) return true;
    if (qHorizontal) {
        const std::int32_t x = Add(p1.X, Div(Mul(Sub(q1.Y, p1.Y), dxP), dyP));
        return (q1.X <= x) != (q2.X < x);
    }
    if (qVertical) {
        const std::int32_t y = Add(p1.Y, Div(Mul(Sub(q1.X, p1.X), dyP), dxP));
        return (q1.Y <= y) != (q2.Y < y);
    }
    if (pHorizontal) {
        const std::int32_t x = Add(q1.X, Div(Mul(Sub(p1.Y, q1.Y), dxQ), dyQ));
        return (p1.X <= x) != (p2.X < x);
    }
    // P vertical, Q neither.
    const std::int32_t y = Add(q1.Y, Div(Mul(Sub(p1.X, q1.X), dyQ), dxQ));
    return (p1.Y <= y) != (p2.Y < y);
}

TRect PolygonBounds(std::span<const TPoint> points) {
    if (points.empty()) return {};
    TRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const TPoint& p : points) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}

bool PolygonsIntersect(std::span<const TPoint> a, std::span<const TPoint> b) {
    if (a.empty() || b.empty()) return false;
    if (IsRectEmpty(IntersectRects(PolygonBounds(a), PolygonBounds(b)))) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const TPoint& a1 = a[i];
        const TPoint& a2 = a[(i + 1) % a.size()];
        for (std::size_t j = 0; j < b.size(); ++j) {
            if (SegmentsIntersect(a1, a2, b[j], b[(j + 1) % b.size()])) return true;
        }
    }
    return false;
}
