#pragma once
// Rooms and hit boxes ask for a sound by its sound id; a fixed table turns that into the wave
// id under which the wave manager keeps the sound (its low 7 bits) and with which the end
// of the sound is reported back to the room.
#include <cstdint>

// The wave id for a sound id; every sound id outside the table gives 0.
std::uint8_t RemapSoundId(std::int32_t soundId);

// The id the wave manager loads and plays a wave under.
inline std::uint16_t WaveManIdOf(std::uint8_t waveId) { return waveId & 0x7F; }
