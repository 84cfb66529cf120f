#pragma once
// What rooms ask of the program besides the world: the child's configuration (the gift
// label, the tag languages, printer use), the song player and the wave manager (whether a
// device exists and sound is on), the printers, the clock (the local time of day). The game
// context holds them. Not owned; a missing one reads as nullptr.
class TConfig;
class TMidiPlayer;
class TWaveMan;
namespace platform {
class Clock;
class Printers;
}

struct TGameServices {
    const TConfig* Config = nullptr;
    const TMidiPlayer* Songs = nullptr;
    const TWaveMan* Waves = nullptr;
    // The printers pictures are printed on; none means no printing.
    platform::Printers* Printers = nullptr;
    // The clock the local time of day is read from; none means the system's.
    const platform::Clock* Clock = nullptr;
};
