#include "rooms/cards/register_cards.h"

#include "rooms/cards/conc_room.h"
#include "rooms/cards/conc_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterCardRoom() {
    RegisterRoomKind("CONC", MakeRoomOfKind<TConcRoom>);
    RegisterConcSnapshotKind();
    RegisterGiftKind(kCardGameGift, 1);
}
