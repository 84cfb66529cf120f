#include "rooms/wrap/register_wrap.h"

#include "rooms/questions/gift_table.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/room_kinds.h"

void RegisterWrapRooms() {
    RegisterRoomKind("WRAP", MakeRoomOfKind<TWrapRoom>);
    // The slate toy is offered from the wrapping table's own shelf.
    RegisterGiftKind(kSlateToyGift, 1);
}
