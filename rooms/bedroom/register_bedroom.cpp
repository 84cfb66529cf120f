#include "register_bedroom.h"

#include "bed_room.h"
#include "jukebox_room.h"
#include "shell/room_kinds.h"

void RegisterBedroomRooms() {
    RegisterRoomKind("BED", &MakeRoomOfKind<TBedRoom>);
    RegisterRoomKind("DARK", &MakeRoomOfKind<TDarkRoom>);
    RegisterRoomKind("JUKEBOX", &MakeRoomOfKind<TJukeboxRoom>);
}
