#include "rooms/living/register_living.h"

#include "rooms/living/living_room.h"
#include "shell/room_kinds.h"

void RegisterLivingRoom() { RegisterRoomKind("LIVING", MakeRoomOfKind<TLivingRoom>); }
