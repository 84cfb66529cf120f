#include "rooms/slate/register_slate.h"

#include "rooms/slate/slate_room.h"
#include "rooms/slate/slate_snapshot.h"
#include "rooms/slate/slate_words.h"
#include "shell/room_kinds.h"

void RegisterSlateRoom() {
    RegisterRoomKind(slate_words::kKind, MakeRoomOfKind<TSlateRoom>);
    RegisterSlateSnapshotKind();
}
