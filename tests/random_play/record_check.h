#pragma once
// Whether the rooms of a running world can be saved and read back as the next start of the
// game would read them: a second world is built from the same init script over the same game
// folder, and each room's record is written by the playing room and read by the new world's
// room of the same place in the script, which must take exactly the bytes written and write
// them again unchanged.
#include <filesystem>
#include <string>

class TWorld;

namespace random_play {

// What went wrong, one room a line ("ROOM: why"); empty when every record round-trips.
// `dataFolder` is the game folder's dat folder the playing world was built from.
std::string CheckRoomRecords(TWorld& playing, const std::filesystem::path& dataFolder);

}  // namespace random_play
