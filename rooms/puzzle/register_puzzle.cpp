#include "rooms/puzzle/register_puzzle.h"

#include "rooms/puzzle/puzzle_room.h"
#include "rooms/puzzle/puzzle_room_words.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterPuzzleRoom() {
    RegisterRoomKind(puzzle_room_words::kRoomKind, MakeRoomOfKind<TPuzzleRoom>);
    RegisterPuzzleSnapshotKind();
    RegisterGiftKind(kPuzzleGift, 3);
}
