#include "rooms/questions/jukebox_idle.h"

#include "shell/house_words.h"
#include "shell/room.h"
#include "shell/room_world.h"

bool JukeboxIdle(const TRoomWorld& world) {
    const auto* jukebox = dynamic_cast<const TJukeboxIdleAnswer*>(world.FindRoom(house_words::kJukeboxRoom));
    return jukebox == nullptr || jukebox->Idle();
}
