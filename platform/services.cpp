// The platform services that need no operating system: the message-box hook and the
// random generator.
#include <chrono>
#include <random>

#include "message_boxes.h"
#include "random.h"

namespace platform {

namespace {
MessageBoxes* gMessageBoxes = nullptr;

std::mt19937& Generator() {
    static std::mt19937 generator(5489u);
    return generator;
}
}  // namespace

void InstallMessageBoxes(MessageBoxes* boxes) { gMessageBoxes = boxes; }
MessageBoxes* InstalledMessageBoxes() { return gMessageBoxes; }

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

void RandomizeFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

std::int32_t Random(std::int32_t range) {
    if (range <= 0) return 0;
    std::uniform_int_distribution<std::int32_t> pick(0, range - 1);
    return pick(Generator());
}

}  // namespace platform
