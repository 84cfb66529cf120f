#pragma once
// A pseudo-random generator for shuffles and random choices. The game keeps one in its
// context, seeded from the clock at start; tests seed theirs with a fixed number so the
// choices repeat.
#include <cstdint>
#include <random>

namespace platform {

class RandomNumbers {
public:
    explicit RandomNumbers(std::uint32_t seed = kDefaultSeed) : FGenerator(seed) {}

    void Seed(std::uint32_t seed) { FGenerator.seed(seed); }
    void SeedFromClock();
    // Uniform over 0 .. range - 1; a range of 0 or below gives 0.
    std::int32_t Next(std::int32_t range);

    static constexpr std::uint32_t kDefaultSeed = 5489u;

private:
    std::mt19937 FGenerator;
};

}  // namespace platform
