#include "rooms/living/register_living.h"

#include "rooms/living/living_room.h"
#include "rooms/living/living_words.h"
#include "shell/room_kinds.h"

void RegisterLivingRoom() { RegisterRoomKind(living_words::kKind, MakeRoomOfKind<TLivingRoom>); }
