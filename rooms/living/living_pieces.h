#pragma once
// Where the living room's pieces are cut from its sheet "livgfx" and where they go in the
// room (room coordinates: the room is 912 pixels wide and drawn at x minus the scroll offset).
#include <array>
#include <cstdint>

#include "foundation/geometry.h"

namespace living {

inline constexpr std::int32_t kRoomWidth = 912;

// The cuckoo clock: its face, the blank disc under the hands, and the 29 x 29 hand cells.
inline constexpr TRect kClockFace{0, 348, 78, 429};
inline constexpr TPoint kClockFaceAt{658, 27};
inline constexpr TPoint kHandOffset{21, 37};
inline constexpr TRect kHandDisc{78, 348, 107, 377};
inline constexpr std::int32_t kHandCell = 29;
// The hour hand for the time: columns step every 12 minutes, rows by the hour (0 to 11).
TRect HourHandCell(int hour, int minute);
// The minute hand: columns by the minute within five, rows by the five minutes.
TRect MinuteHandCell(int minute);

// The radio: its 48 x 52 cells, by mode (0 off, 1 talk, 2 music) and the light row.
inline constexpr std::int32_t kRadioCellWidth = 48;
inline constexpr std::int32_t kRadioCellHeight = 52;
inline constexpr TPoint kRadioAt{356, 73};
// The cell for the radio as it stands: a missing radio shows the first cell of the dark row
// (an empty mantel); a present one its mode's cell, in the lit row while it is off or its
// light is on.
TRect RadioCell(bool present, std::uint8_t mode, bool lightOn);

// The tree's origin (the tree room's tree is drawn whole there) and the hung album picture.
inline constexpr TPoint kTreeOrigin{87, 0};
inline constexpr TRect kHungPicture{370, 31, 493, 108};

// The floor under the tree, drawn again before the gifts so that none is left behind.
inline constexpr TRect kUnderTreePatch{78, 452, 217, 510};
inline constexpr TPoint kUnderTreeAt{0, 262};

// Gift slots 1 to 11: where each small gift's top-left corner goes, and the order they are
// drawn in, back to front.
inline constexpr int kGiftSlots = 11;
inline constexpr std::array<TPoint, kGiftSlots> kGiftSlotPoints{{
    {92, 295}, {120, 283}, {160, 300}, {192, 275}, {231, 281}, {233, 292},
    {209, 309}, {170, 274}, {127, 289}, {127, 264}, {85, 308}}};
inline constexpr std::array<int, kGiftSlots> kGiftDrawOrder{4, 5, 2, 6, 1, 3, 7, 11, 8, 9, 10};

}  // namespace living
