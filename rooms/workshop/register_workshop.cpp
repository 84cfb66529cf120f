#include "register_workshop.h"

#include "shell/room_kinds.h"
#include "workshop_room.h"

void RegisterWorkshopRoom() { RegisterRoomKind("WORKSHOP", &MakeRoomOfKind<TWorkshopRoom>); }
