#pragma once
// What happens when a song ends: the rooms that play or wait for music hear of it, the song
// player stops, the title song starts over, and the puzzle, the dark room and the gift
// screen get their own words for the songs they started.
#include <cstdint>

class TRoomWorld;

// Implemented by the jukebox room, which the end of any song sets idle. The shell cannot
// name the room's class (rooms build on the shell), so it asks through this interface.
class TSongIdleRoom {
public:
    virtual ~TSongIdleRoom() = default;
    virtual void SetIdle(bool idle) = 0;
};

// Called by the main window with the number of the song that was playing (0 to 18) when
// its end has passed, and by rooms with 0 when they cut the music short. Rooms missing
// from the content are skipped.
void MusicEnded(TRoomWorld& world, std::int32_t songNumber);
