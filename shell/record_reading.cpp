#include "shell/record_reading.h"

#include "foundation/stream_values.h"
#include "shell/qe_exception.h"

namespace record_reading {

void Damaged() { RaiseGameError(GameStringSavedGameDamaged); }

void ReadMarker(TStream& s, std::uint8_t expected) { Require(ReadU8(s) == expected); }

bool ReadFlag(TStream& s) { return ReadU8In(s, 0, 1) == 1; }

std::uint8_t ReadU8In(TStream& s, std::uint8_t lo, std::uint8_t hi) {
    const std::uint8_t value = ReadU8(s);
    Require(value >= lo && value <= hi);
    return value;
}

std::int16_t ReadI16In(TStream& s, std::int16_t lo, std::int16_t hi) {
    const std::int16_t value = ReadI16(s);
    Require(value >= lo && value <= hi);
    return value;
}

}  // namespace record_reading
