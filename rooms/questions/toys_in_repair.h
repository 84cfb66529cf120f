#pragma once
// The workshop's answer to "is this toy of another room waiting broken on the workshop's
// shelf?". The workshop room implements the interface; the bedroom (the jukebox), the living
// room (the radio, the clock, the slate toy) and the wrapping room (the slate toy) ask it
// through the world.
class TRoomWorld;

class TToysInRepair {
public:
    virtual ~TToysInRepair() = default;
    // True when the workshop has set out its toys and toy `toy` (1 to 11) stands broken on its
    // shelf place.
    virtual bool ToyWaitingBroken(int toy) const = 0;
};

// Workshop toys that belong to other rooms.
inline constexpr int kRadioToy = 4;
inline constexpr int kJukeboxToy = 5;
inline constexpr int kClockToy = 7;
inline constexpr int kSlateToy = 8;

// False while the house has no workshop (or the room "WORKSHOP" answers nothing).
bool ToyWaitingBroken(const TRoomWorld& world, int toy);
inline bool JukeboxInRepair(const TRoomWorld& world) { return ToyWaitingBroken(world, kJukeboxToy); }
inline bool RadioInRepair(const TRoomWorld& world) { return ToyWaitingBroken(world, kRadioToy); }
inline bool ClockInRepair(const TRoomWorld& world) { return ToyWaitingBroken(world, kClockToy); }
inline bool SlateToyInRepair(const TRoomWorld& world) { return ToyWaitingBroken(world, kSlateToy); }
