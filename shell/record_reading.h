#pragma once
// Reading the records of a saved game and of the album's pictures. A value no sound record
// holds raises game string 1351 ("Saved game is damaged."), so every reader refuses damage the
// same way and the world sets such a saved game aside like any other damaged one. A record
// that simply ends early still fails with the stream's own end-of-data error.
#include <cstdint>

class TStream;

namespace record_reading {

[[noreturn]] void Damaged();

// For conditions over several values read: raises Damaged() when the record does not hold.
inline void Require(bool sound) {
    if (!sound) Damaged();
}

// A byte that must be `expected`: a format marker or a class id.
void ReadMarker(TStream& s, std::uint8_t expected);
// A byte 0 or 1.
bool ReadFlag(TStream& s);
// A value within lo..hi, both included.
std::uint8_t ReadU8In(TStream& s, std::uint8_t lo, std::uint8_t hi);
std::uint16_t ReadU16In(TStream& s, std::uint16_t lo, std::uint16_t hi);
std::int16_t ReadI16In(TStream& s, std::int16_t lo, std::int16_t hi);

}  // namespace record_reading
