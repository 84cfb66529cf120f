#include "shell/record_reading.h"

#include "foundation/stream_values.h"
#include "shell/qe_exception.h"

namespace record_reading {

namespace {

template <class T>
T Within(T value, T lo, T hi) {
    Require(value >= lo && value <= hi);
    return value;
}

}  // namespace

void Damaged() { RaiseGameError(GameStringSavedGameDamaged); }

void ReadMarker(TStream& s, std::uint8_t expected) { Require(ReadU8(s) == expected); }

bool ReadFlag(TStream& s) { return ReadU8In(s, 0, 1) == 1; }

std::uint8_t ReadU8In(TStream& s, std::uint8_t lo, std::uint8_t hi) { return Within(ReadU8(s), lo, hi); }

std::uint16_t ReadU16In(TStream& s, std::uint16_t lo, std::uint16_t hi) { return Within(ReadU16(s), lo, hi); }

std::int16_t ReadI16In(TStream& s, std::int16_t lo, std::int16_t hi) { return Within(ReadI16(s), lo, hi); }

}  // namespace record_reading
