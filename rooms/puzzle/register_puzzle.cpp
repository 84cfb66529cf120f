#include "rooms/puzzle/register_puzzle.h"

#include "rooms/puzzle/puzzle_room.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterPuzzleRoom() {
    RegisterRoomKind("PUZZLE", MakeRoomOfKind<TPuzzleRoom>);
    RegisterPuzzleSnapshotKind();
    RegisterGiftKind(kPuzzleGift, 3);
}
