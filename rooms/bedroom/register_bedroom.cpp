#include "register_bedroom.h"

#include "bed_room.h"
#include "bed_room_words.h"
#include "dark_room_words.h"
#include "jukebox_room.h"
#include "jukebox_room_words.h"
#include "shell/room_kinds.h"

void RegisterBedroomRooms() {
    RegisterRoomKind(bed_room_words::kKindWord, &MakeRoomOfKind<TBedRoom>);
    RegisterRoomKind(dark_room_words::kKindWord, &MakeRoomOfKind<TDarkRoom>);
    RegisterRoomKind(jukebox_room_words::kKindWord, &MakeRoomOfKind<TJukeboxRoom>);
}
