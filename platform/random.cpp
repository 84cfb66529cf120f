#include "random.h"

#include <chrono>

namespace platform {

void RandomNumbers::SeedFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    Seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

std::int32_t RandomNumbers::Next(std::int32_t range) {
    if (range <= 0) return 0;
    std::uniform_int_distribution<std::int32_t> pick(0, range - 1);
    return pick(FGenerator);
}

}  // namespace platform
