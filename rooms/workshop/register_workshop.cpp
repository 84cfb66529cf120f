#include "register_workshop.h"

#include "shell/room_kinds.h"
#include "workshop_room.h"
#include "workshop_words.h"

void RegisterWorkshopRoom() { RegisterRoomKind(workshop_words::kWorkshop, &MakeRoomOfKind<TWorkshopRoom>); }
