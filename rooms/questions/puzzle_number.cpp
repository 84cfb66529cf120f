#include "rooms/questions/puzzle_number.h"

#include "shell/room.h"
#include "shell/room_world.h"

int CurrentPuzzleNumber(const TRoomWorld& world) {
    const auto* puzzles = dynamic_cast<const TCurrentPuzzleAnswer*>(world.FindRoom("PUZZLE"));
    if (puzzles == nullptr) return 0;
    const int number = puzzles->CurrentPuzzleNumber();
    return number >= 0 && number <= 3 ? number : 0;
}
