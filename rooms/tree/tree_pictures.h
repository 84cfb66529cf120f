#pragma once
// Where each piece of the decoration sheet "treegfx" is cut and where on the tree it goes
// (points relative to the tree's origin).
#include <cstdint>

#include "foundation/geometry.h"

struct TTreePiece {
    TRect Source;
    TPoint At;
};

// Top ornaments 1 to 4 and tinsel garlands 1 to 4.
const TTreePiece& TreeTopPiece(std::uint8_t choice);
const TTreePiece& TreeTinselPiece(int garland);
// A light string's strip: its nine bulbs as 8 x 8 cells side by side, dark above, lit below.
const TRect& TreeLightStrip(int string);
inline constexpr std::int32_t kTreeBulbSize = 8;
// Bulbs 1 to 36 (bulb 27 has none): where the bulb's cell is drawn.
bool TreeBulbPoint(int bulb, TPoint& at);
// The string (1 to 4) a bulb (1 to 36) belongs to.
inline int TreeBulbString(int bulb) { return (bulb - 1) / 9 + 1; }
// The bulb's cell on the strip, dark or lit.
TRect TreeBulbSource(int bulb, bool lit);
