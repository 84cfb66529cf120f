#include "rooms/wrap/register_wrap.h"

#include "rooms/questions/gift_table.h"
#include "rooms/wrap/wrap_room.h"
#include "rooms/wrap/wrap_words.h"
#include "shell/room_kinds.h"

void RegisterWrapRooms() {
    RegisterRoomKind(wrap_words::kKind, MakeRoomOfKind<TWrapRoom>);
    // The slate toy is offered from the wrapping table's own shelf.
    RegisterGiftKind(kSlateToyGift, 1);
}
