#include "rooms/wrap/gift_geometry.h"

#include <algorithm>

namespace gift_geometry {

TPoint GreetingAt(std::uint8_t language) {
    const TRect& r = kGreeting[language < kTagLanguageCount ? language : 0];
    const std::int32_t centred = kTagTextLeft + ((kTagTextRight - kTagTextLeft) - RectWidth(r)) / 2;
    return TPoint{std::min(centred, kGreetingMaxX), kGreetingY};
}

TPoint GiftBringerAt(std::uint8_t language) {
    const TRect& r = kGiftBringer[language < kTagLanguageCount ? language : 0];
    return TPoint{kGiftBringerRight - RectWidth(r), kGiftBringerY};
}

std::int16_t DefaultBowPosition(const TGift& gift) { return kDefaultBowPosition[SizeIndex(gift)][RibbonIndex(gift)]; }

bool TagOnLeft(const TGift& gift) {
    return BowIndex(gift) != 0 ? gift.BowPosition > 50 : DefaultBowPosition(gift) > 50;
}

void PlaceTag(TGift& gift) {
    const std::size_t s = SizeIndex(gift);
    if (TagOnLeft(gift))
        gift.TagX = kTravelStart[s][0] - kTagLeftSubtrahend[s];
    else
        gift.TagX = kTravelEnd[s][0] + 48 + kTagRightAddend[s] - 85;
    gift.TagY = kTagY[s];
}

std::int32_t BowX(const TGift& gift) {
    const std::size_t s = SizeIndex(gift);
    const std::size_t b = BowIndex(gift);
    return kTravelStart[s][b] + gift.BowPosition * (kTravelEnd[s][b] - kTravelStart[s][b]) / 100 - kKnotX[b];
}

TPoint LargeOrigin(const TGift& gift, TPoint place, std::int32_t viewWidth, std::int32_t viewHeight) {
    if (place.X != 0) return place;
    const TSize size = kLargeSize[SizeIndex(gift)];
    TPoint o{(viewWidth - size.W) / 2, (viewHeight - size.H) / 2};
    if (const std::size_t b = BowIndex(gift); b != 0) {
        const std::int32_t top = kBowTop[SizeIndex(gift)][b - 1];
        const std::int32_t bowHeight = RectHeight(kLargeBow[b - 1]);
        o.Y -= top / 2;
        if (size.H - top < bowHeight) o.Y -= (bowHeight + top - size.H) / 2;
    }
    return o;
}

namespace {
TRect Union(const TRect& a, const TRect& b) {
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}
}  // namespace

TRect LargeCoverage(const TGift& gift, TPoint o) {
    const TSize size = kLargeSize[SizeIndex(gift)];
    TRect r{o.X, o.Y, o.X + size.W, o.Y + size.H};
    if (gift.Tagged) {
        const TRect& tag = kLargeTag[0];
        r = Union(r, TRect{o.X + gift.TagX, o.Y + gift.TagY, o.X + gift.TagX + RectWidth(tag),
                           o.Y + gift.TagY + RectHeight(tag)});
    }
    if (const std::size_t b = BowIndex(gift); b != 0) {
        const TRect& bow = kLargeBow[b - 1];
        const TPoint at{o.X + BowX(gift), o.Y + kBowTop[SizeIndex(gift)][b - 1]};
        r = Union(r, TRect{at.X, at.Y, at.X + RectWidth(bow), at.Y + RectHeight(bow)});
    }
    return r;
}

TRect SmallBounds(const TGift& gift) {
    const std::size_t s = SizeIndex(gift);
    const TSize size = kSmallSize[s];
    TRect bounds{0, 0, size.W, size.H};
    if (const std::size_t b = BowIndex(gift); b != 0) {
        const std::int32_t top = kSmallBowTop[s][b - 1];
        const TRect& bow = kSmallBow[b - 1];
        bounds.Top = std::min(0, top);
        bounds.Bottom = std::max(size.H, top + RectHeight(bow));
        const std::int32_t bowX =
            ((kTravelEnd[s][b] - kTravelStart[s][b]) * gift.BowPosition / 100 + kTravelStart[s][b] - kKnotX[b]) / 3;
        if (bowX < 0) bounds.Left = bowX;
        bounds.Right = std::max(size.W, bowX + RectWidth(bow));
    }
    return bounds;
}

}  // namespace gift_geometry
