#include "rooms/questions/toys_in_repair.h"

#include "shell/room.h"
#include "shell/room_world.h"

bool ToyWaitingBroken(const TRoomWorld& world, int toy) {
    const auto* workshop = dynamic_cast<const TToysInRepair*>(world.FindRoom("WORKSHOP"));
    return workshop != nullptr && workshop->ToyWaitingBroken(toy);
}
