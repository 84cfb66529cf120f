#include "jukebox_in_repair.h"

#include "shell/room.h"
#include "shell/room_world.h"

bool JukeboxInRepair(const TRoomWorld& world) {
    const auto* workshop = dynamic_cast<const TJukeboxRepairAnswer*>(world.FindRoom("WORKSHOP"));
    return workshop != nullptr && workshop->JukeboxInRepair();
}
