#include "rooms/kitchen/register_kitchen.h"

#include "rooms/kitchen/cookie_info.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/kitchen/tray_room.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterKitchenRooms() {
    RegisterRoomKind("KITCHEN", MakeRoomOfKind<TKitchenRoom>);
    RegisterRoomKind("TRAY", MakeRoomOfKind<TTrayRoom>);
    RegisterCookieSnapshotKind();
    RegisterGiftKind(kCookieGift, 1);
}
