#pragma once
// The workshop's answer to "is the jukebox waiting for repair on its shelf?". The bedroom asks
// it of the room "WORKSHOP" through the world; the workshop room implements the interface.
class TRoomWorld;

class TJukeboxRepairAnswer {
public:
    virtual ~TJukeboxRepairAnswer() = default;
    virtual bool JukeboxInRepair() const = 0;
};

// False while the house has no workshop (or the room of that name answers nothing).
bool JukeboxInRepair(const TRoomWorld& world);
