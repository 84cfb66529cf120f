#pragma once
// Where the slate's pictures come from: the colouring pages "sltbg1".."sltbg8" (with "m"
// appended, the same page with every region unfilled) and the 32 stickers cut from four sheets
// at full size and four at half size, and the colours the slate treats specially.
#include <cstdint>
#include <string>

#include "foundation/geometry.h"

namespace platform {
class RandomNumbers;
}

inline constexpr std::int32_t kSlateWidth = 376;
inline constexpr std::int32_t kSlateHeight = 225;
inline constexpr int kFirstSticker = 8;
inline constexpr int kLastSticker = 39;
inline constexpr int kMaxStickers = 15;

inline constexpr std::uint8_t kUnfilledColour = 217;    // page regions not yet coloured
inline constexpr std::uint8_t kStickerClear = 217;      // the sticker pictures' transparent colour
inline constexpr std::uint8_t kUncolouredSticker = 255; // sticker regions cleared by the eraser
inline constexpr std::uint8_t kSelectionFrame = 125;
inline constexpr std::uint8_t kOutlineColour = 40;

inline bool IsStickerIndex(int index) { return index >= kFirstSticker && index <= kLastSticker; }
inline bool IsBackgroundIndex(int index) { return index >= 0 && index < kFirstSticker; }

// Saved stickers may lie partly off the slate, but never this far: positions beyond it
// would only come from damage, and would overflow the arithmetic of their bounds.
inline constexpr std::int32_t kFarOff = 2048;
// Compared both ways rather than through abs, which has no answer for the most negative int.
inline bool IsWithinReach(TPoint at) {
    return at.X >= -kFarOff && at.X <= kFarOff && at.Y >= -kFarOff && at.Y <= kFarOff;
}
// A page always covers the slate as drawn: at its corner, neither mirrored nor halved.
inline bool IsPlainPage(TPoint at, bool mirrored, bool half) { return at == TPoint{0, 0} && !mirrored && !half; }

// The picture of a page: "sltbg" and its number, "m" appended for the unfilled twin.
std::string SlatePageName(int index, bool unfilled);
// The sheet a sticker is cut from at full or half size.
std::string StickerSheetName(int index, bool half);
// The sticker's rectangle on its sheet; at half size every coordinate halved (truncated).
TRect StickerSourceRect(int index, bool half);
// The size of a record's picture: the slate for pages, the cut for stickers (halved at half size).
std::int32_t SlateObjectWidth(int index, bool half = false);
std::int32_t SlateObjectHeight(int index, bool half = false);

// A colour for random colouring: never the outline, frame, unfilled or uncoloured colour.
std::uint8_t RandomSlateColour(platform::RandomNumbers& random);
