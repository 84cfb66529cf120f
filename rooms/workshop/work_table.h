#pragma once
// The workshop's work table: the puzzle machine, the doll's loose parts and the card game,
// each drawn as the room it mirrors stands now. Positions are room coordinates; the scroll
// offset is taken off when drawing.
#include <cstdint>

#include "foundation/geometry.h"

class TAC8ImageData;
class TRoomWorld;

struct TWorkTablePictures {
    TAC8ImageData* Puzzle = nullptr;    // "wpuzgfx"
    TAC8ImageData* Doll = nullptr;      // "wdollgfx"
    TAC8ImageData* CardGame = nullptr;  // "wconcgfx"
    TAC8ImageData* Cards = nullptr;     // "wcardgfx"
};

// The colour of the puzzle machine's size bar.
inline constexpr std::uint8_t kPuzzleBarColour = 181;

void DrawWorkTable(TAC8ImageData& view, const TRoomWorld& world, std::int32_t scroll,
                   const TWorkTablePictures& pictures);
