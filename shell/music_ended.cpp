#include "music_ended.h"

#include <string>
#include <string_view>

#include "room.h"
#include "room_words.h"
#include "room_world.h"

namespace {

void Tell(TRoom* room, std::string_view sender) {
    if (room != nullptr) room->RunScript("", std::string(sender));
}

void TellIfCurrent(TRoomWorld& world, const char* roomId, const char* sender) {
    TRoom* current = world.GetCurrentRoom();
    if (current != nullptr && current->GetID() == roomId) current->RunScript("", sender);
}

}  // namespace

void MusicEnded(TRoomWorld& world, std::int32_t songNumber) {
    if ((world.GetFlags() & kWorldLivingMusic) != 0) Tell(world.FindRoom("LIVING"), room_words::kMusicEnded);
    if (auto* jukebox = dynamic_cast<TSongIdleRoom*>(world.FindRoom("JUKEBOX"))) jukebox->SetIdle(true);
    Tell(world.FindRoom("WORKSHOP"), room_words::kMusicEnded);
    world.StopMusic();
    world.ProcessPendingMessages();
    if (songNumber == 1)
        world.PlayMusic(1);  // the title song repeats until something stops it
    else if (songNumber == 2)
        TellIfCurrent(world, "PUZZLE", "ENDSCRAMBLE");
    else if (songNumber == 13)
        TellIfCurrent(world, "DARK", "LAMP");
    TellIfCurrent(world, "GIFT", "MUSIC");
}
