#include "rooms/dolls/register_dolls.h"

#include "rooms/dolls/doll.h"
#include "rooms/dolls/doll_room.h"
#include "rooms/dolls/doll_room_words.h"
#include "rooms/dolls/doll_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterDollRoom() {
    RegisterRoomKind(doll_room_words::kRoomKind, MakeRoomOfKind<TDollRoom>);
    RegisterDollSnapshotKind();
    RegisterGiftKind(kDollGift, kDollChoiceCount);
}
