#include "rooms/tree/tree_pictures.h"

#include <array>

namespace {

constexpr std::array<TTreePiece, 4> kTops{{
    {{0, 0, 50, 79}, {92, 0}},
    {{86, 19, 127, 64}, {100, 0}},
    {{50, 19, 86, 64}, {99, 2}},
    {{0, 79, 47, 140}, {94, 0}},
}};

constexpr std::array<TTreePiece, 4> kTinsel{{
    {{200, 175, 257, 244}, {83, 56}},
    {{0, 140, 110, 263}, {57, 76}},
    {{50, 64, 127, 140}, {76, 109}},
    {{110, 244, 244, 298}, {49, 192}},
}};

constexpr std::array<TRect, 4> kStrips{{
    {0, 294, 72, 310},
    {0, 310, 72, 326},
    {72, 300, 144, 316},
    {144, 298, 216, 314},
}};

// Bulb 27 has no place: {-1, -1} marks it.
constexpr std::array<TPoint, 36> kBulbPoints{{
    {106, 48},  {121, 48},  {124, 63},  {131, 89},  {122, 104}, {98, 124},  {79, 109},  {99, 100},  {108, 84},
    {132, 142}, {150, 151}, {152, 171}, {131, 179}, {105, 181}, {92, 197},  {69, 187},  {89, 164},  {111, 157},
    {103, 61},  {114, 72},  {118, 93},  {107, 113}, {84, 130},  {122, 131}, {132, 115}, {145, 99},  {-1, -1},
    {123, 176}, {141, 189}, {157, 209}, {178, 223}, {138, 224}, {112, 218}, {74, 228},  {58, 208},  {88, 189},
}};

}  // namespace

const TTreePiece& TreeTopPiece(std::uint8_t choice) { return kTops.at(choice - 1u); }
const TTreePiece& TreeTinselPiece(int garland) { return kTinsel.at(static_cast<std::size_t>(garland - 1)); }
const TRect& TreeLightStrip(int string) { return kStrips.at(static_cast<std::size_t>(string - 1)); }

bool TreeBulbPoint(int bulb, TPoint& at) {
    if (bulb < 1 || bulb > 36 || bulb == 27) return false;
    at = kBulbPoints[static_cast<std::size_t>(bulb - 1)];
    return true;
}

TRect TreeBulbSource(int bulb, bool lit) {
    const TRect& strip = TreeLightStrip(TreeBulbString(bulb));
    return MakeBounds(strip.Left + kTreeBulbSize * ((bulb - 1) % 9), strip.Top + (lit ? kTreeBulbSize : 0),
                      kTreeBulbSize, kTreeBulbSize);
}
