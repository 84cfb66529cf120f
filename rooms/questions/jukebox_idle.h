#pragma once
// Whether the jukebox close-up "JUKEBOX" is idle, that is plays no cartridge's song. The
// workshop asks it before it sets the broken jukebox on its shelf: a jukebox that plays is
// not broken.
class TRoomWorld;

class TJukeboxIdleAnswer {
public:
    virtual ~TJukeboxIdleAnswer() = default;
    virtual bool Idle() const = 0;
};

// Idle while the house has no jukebox (or the room "JUKEBOX" answers nothing).
bool JukeboxIdle(const TRoomWorld& world);
