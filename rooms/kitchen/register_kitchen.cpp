#include "rooms/kitchen/register_kitchen.h"

#include "rooms/kitchen/cookie_info.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/kitchen/kitchen_words.h"
#include "rooms/kitchen/tray_room.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_kinds.h"

void RegisterKitchenRooms() {
    RegisterRoomKind(kitchen_words::kKitchen, MakeRoomOfKind<TKitchenRoom>);
    RegisterRoomKind(kitchen_words::kTray, MakeRoomOfKind<TTrayRoom>);
    RegisterCookieSnapshotKind();
    RegisterGiftKind(kCookieGift, 1);
}
