#include "rooms/slate/register_slate.h"

#include "rooms/slate/slate_room.h"
#include "rooms/slate/slate_snapshot.h"
#include "shell/room_kinds.h"

void RegisterSlateRoom() {
    RegisterRoomKind("SLATE", MakeRoomOfKind<TSlateRoom>);
    RegisterSlateSnapshotKind();
}
