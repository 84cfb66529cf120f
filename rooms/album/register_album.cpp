#include "rooms/album/register_album.h"

#include "rooms/album/album_room.h"
#include "rooms/album/album_room_words.h"
#include "shell/room_kinds.h"

void RegisterAlbumRoom() { RegisterRoomKind(album_room_words::kKindWord, MakeRoomOfKind<TAlbumRoom>); }
