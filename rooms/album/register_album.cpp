#include "rooms/album/register_album.h"

#include "rooms/album/album_room.h"
#include "shell/room_kinds.h"

void RegisterAlbumRoom() { RegisterRoomKind("ALBUM", MakeRoomOfKind<TAlbumRoom>); }
