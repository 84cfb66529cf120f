#pragma once
// The program's one pseudo-random generator. Seeded from the clock at start; tests seed it
// with a fixed number so shuffles and random choices repeat.
#include <cstdint>

namespace platform {

void SeedRandom(std::uint32_t seed);
void RandomizeFromClock();
// Uniform over 0 .. range - 1; a range of 0 or below gives 0.
std::int32_t Random(std::int32_t range);

}  // namespace platform
