#include "music_ended.h"

#include <string>
#include <string_view>

#include "house_words.h"
#include "room.h"
#include "room_world.h"

namespace {

void Tell(TRoom* room, std::string_view sender) {
    if (room != nullptr) room->RunScript("", std::string(sender));
}

void TellIfCurrent(TRoomWorld& world, std::string_view roomId, std::string_view sender) {
    TRoom* current = world.GetCurrentRoom();
    if (current != nullptr && current->GetID() == roomId) current->RunScript("", std::string(sender));
}

}  // namespace

void MusicEnded(TRoomWorld& world, std::int32_t songNumber) {
    using namespace house_words;
    if ((world.GetFlags() & kWorldLivingMusic) != 0) Tell(world.FindRoom(kLivingRoom), kMusicEnded);
    if (auto* jukebox = dynamic_cast<TSongIdleRoom*>(world.FindRoom(kJukeboxRoom))) jukebox->SetIdle(true);
    Tell(world.FindRoom(kWorkshopRoom), kMusicEnded);
    world.StopMusic();
    world.ProcessPendingMessages();
    if (songNumber == 1)
        world.PlayMusic(1);  // the title song repeats until something stops it
    else if (songNumber == 2)
        TellIfCurrent(world, kPuzzleRoom, kScrambleEnded);
    else if (songNumber == 13)
        TellIfCurrent(world, kDarkRoom, kLamp);
    TellIfCurrent(world, kGiftScreen, kGiftSongEnded);
}
