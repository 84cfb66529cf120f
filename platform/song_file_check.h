#pragma once
// A song file is checked by our own small reader before its bytes reach the synthesiser: the
// header chunk, then every chunk's length, and in each track chunk every event up to the
// track's end. A file that fails is not played (no song, no message), as a missing one.
#include <cstdint>
#include <span>
#include <string>

namespace platform {

// True when the bytes are a standard MIDI file of format 0, 1 or 2 whose header and track
// chunks read cleanly: as many tracks as the header says, each ending with its end-of-track
// event inside its chunk, no event running past its chunk, no data byte where a status byte
// must stand. Otherwise false, with the first fault in `why` when given.
bool IsPlayableSongFile(std::span<const std::uint8_t> bytes, std::string* why = nullptr);

}  // namespace platform
