#pragma once
// Where the pieces of a gift are cut from the pictures and where they are drawn, by size class
// (1 to 3), bow (0 none, 1 to 3), ribbon and kind. Shared by the large drawing of the wrapping
// and show rooms and the small drawing under the living-room tree.
#include <array>
#include <cstdint>

#include "foundation/geometry.h"
#include "rooms/wrap/gift.h"

namespace gift_geometry {

struct TSize {
    std::int32_t W;
    std::int32_t H;
};

// Index by size class - 1.
inline constexpr std::array<TSize, 3> kLargeSize{{{311, 59}, {239, 74}, {191, 68}}};
inline constexpr std::array<TPoint, 3> kTablePlace{{{122, 251}, {159, 229}, {172, 223}}};
// [size class - 1][bow - 1]
inline constexpr std::array<std::array<std::int32_t, 3>, 3> kBowTop{{{-23, -15, -13}, {-31, -23, -21}, {-25, -17, -15}}};
// [size class - 1][bow], bow 0 being no bow.
inline constexpr std::array<std::array<std::int32_t, 4>, 3> kTravelStart{{{46, 23, 31, 46}, {37, 14, 21, 37}, {45, 15, 15, 45}}};
inline constexpr std::array<std::array<std::int32_t, 4>, 3> kTravelEnd{
    {{258, 284, 275, 258}, {183, 203, 193, 183}, {115, 155, 155, 115}}};
// [size class - 1][ribbon], ribbon 0 being no ribbon.
inline constexpr std::array<std::array<std::int16_t, 4>, 3> kDefaultBowPosition{{{50, 95, 50, 48}, {50, 85, 58, 15}, {50, 50, 98, 75}}};
inline constexpr std::array<std::int32_t, 3> kTagRightAddend{-10, -5, 20};
inline constexpr std::array<std::int32_t, 3> kTagLeftSubtrahend{40, 30, 40};
inline constexpr std::array<std::int32_t, 3> kTagY{15, 0, 7};

inline constexpr std::array<TSize, 3> kSmallSize{{{105, 20}, {81, 25}, {65, 23}}};
inline constexpr std::array<TPoint, 3> kSmallGiftRows{{{107, 0}, {0, 57}, {81, 140}}};
inline constexpr std::array<TPoint, 3> kSmallRibbonRows{{{107, 80}, {0, 157}, {146, 140}}};
inline constexpr std::array<std::array<std::int32_t, 3>, 3> kSmallBowTop{{{-8, -5, -4}, {-10, -8, -7}, {-8, -6, -5}}};

// [bow - 1]
inline constexpr std::array<TRect, 3> kLargeBow{{{0, 0, 81, 109}, {81, 0, 198, 57}, {198, 0, 291, 42}}};
inline constexpr std::array<TRect, 3> kSmallBow{{{0, 0, 27, 36}, {27, 0, 66, 18}, {66, 0, 97, 13}}};
// [bow], no bow using the third bow's knot.
inline constexpr std::array<std::int32_t, 4> kKnotX{48, 46, 57, 48};

// The open box's contents by kind: the piece of "wrapgfx" and its offset from the gift.
inline constexpr std::array<TRect, kGiftKinds> kContents{{{81, 91, 320, 114},
                                                        {178, 144, 289, 171},
                                                        {81, 57, 277, 91},
                                                        {0, 114, 120, 157},
                                                        {120, 114, 178, 156},
                                                        {178, 114, 321, 144}}};
inline constexpr std::array<TPoint, kGiftKinds> kContentsOffset{{{29, 33}, {93, 31}, {20, 22}, {58, 19}, {64, 24}, {22, 29}}};
// Variant marks: 10 x 12 cells at (198 + 10 m, 42).
inline constexpr TPoint kMarkCells{198, 42};
inline constexpr TSize kMarkSize{10, 12};
inline constexpr std::array<std::int32_t, 3> kPuzzleMarkX{35, 84, 129};
inline constexpr std::int32_t kPuzzleMarkY = 12;
inline constexpr std::array<std::int32_t, 4> kDollMarkX{176, 82, 131, 37};
inline constexpr std::int32_t kDollMarkY = 19;

// The two small tag pictures (the first hangs right of the knot, the second left of it).
inline constexpr std::array<TRect, 2> kLargeTag{{{0, 157, 88, 172}, {88, 157, 176, 172}}};
inline constexpr std::array<TRect, 2> kSmallTag{{{1, 52, 29, 57}, {29, 52, 57, 57}}};
inline constexpr TSize kTagBox{85, 15};

// The big tag: the picture "bigtag" and the greeting and gift-bringer of each tag language,
// cut from the picture "polyglot".
inline constexpr TPoint kBigTagAt{7, 24};
inline constexpr std::array<TRect, kTagLanguageCount> kGreeting{{{0, 0, 308, 39},
                                                                {162, 270, 538, 299},
                                                                {0, 68, 217, 107},
                                                                {270, 196, 585, 235},
                                                                {0, 0, 308, 39},
                                                                {365, 29, 589, 68},
                                                                {0, 39, 365, 68},
                                                                {217, 68, 577, 107},
                                                                {0, 165, 355, 196},
                                                                {210, 299, 345, 334},
                                                                {194, 136, 570, 165},
                                                                {0, 196, 270, 231},
                                                                {210, 299, 345, 334}}};
inline constexpr std::array<TRect, kTagLanguageCount> kGiftBringer{{{252, 235, 555, 270},
                                                                   {355, 165, 544, 194},
                                                                   {0, 299, 210, 332},
                                                                   {0, 136, 194, 165},
                                                                   {172, 107, 375, 136},
                                                                   {375, 107, 552, 136},
                                                                   {0, 107, 172, 131},
                                                                   {0, 231, 252, 260},
                                                                   {0, 260, 162, 295},
                                                                   {345, 299, 498, 332},
                                                                   {0, 332, 153, 354},
                                                                   {413, 0, 589, 29},
                                                                   {308, 0, 413, 29}}};
// The tag's writing area runs from x 90 to 480.
inline constexpr std::int32_t kTagTextLeft = 90;
inline constexpr std::int32_t kTagTextRight = 480;
inline constexpr std::int32_t kGreetingMaxX = 110;
inline constexpr std::int32_t kGreetingY = 50;
inline constexpr std::int32_t kGiftBringerRight = 460;
inline constexpr std::int32_t kGiftBringerY = 200;
inline constexpr std::int32_t kNameY = 115;

// The greeting's and the gift-bringer's places on the view for a tag language.
TPoint GreetingAt(std::uint8_t language);
TPoint GiftBringerAt(std::uint8_t language);

// Row s - 1 of a per-size table; a size class outside 1 to 3 is taken as 1.
inline std::size_t SizeIndex(const TGift& gift) {
    return gift.SizeClass >= 1 && gift.SizeClass <= 3 ? gift.SizeClass - 1u : 0u;
}
inline std::size_t BowIndex(const TGift& gift) { return gift.Bow <= kBowCount ? gift.Bow : 0u; }
inline std::size_t RibbonIndex(const TGift& gift) { return gift.Ribbon <= kRibbonCount ? gift.Ribbon : 0u; }

std::int16_t DefaultBowPosition(const TGift& gift);
// The tag hangs left of the knot: the bow (or, without one, the ribbon's default place for a
// bow) lies in the right half.
bool TagOnLeft(const TGift& gift);
// Sets the gift's small-tag place from its bow.
void PlaceTag(TGift& gift);
// The bow picture's left edge relative to the gift (large drawing).
std::int32_t BowX(const TGift& gift);
// Where the gift's top-left corner goes for a place: the place, or for x 0 the view's middle
// with the bow counted in.
TPoint LargeOrigin(const TGift& gift, TPoint place, std::int32_t viewWidth, std::int32_t viewHeight);
// All the large drawing covers at origin: the gift, its bow and its tag.
TRect LargeCoverage(const TGift& gift, TPoint origin);
// The rectangle the small drawing covers, relative to its origin.
TRect SmallBounds(const TGift& gift);

}  // namespace gift_geometry
