#include "rooms/cards/register_cards.h"

#include "rooms/cards/conc_room.h"
#include "rooms/cards/conc_room_words.h"
#include "rooms/cards/conc_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterCardRoom() {
    RegisterRoomKind(conc_room_words::kRoomKind, MakeRoomOfKind<TConcRoom>);
    RegisterConcSnapshotKind();
    RegisterGiftKind(kCardGameGift, 1);
}
