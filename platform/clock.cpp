#include "clock.h"

#include <chrono>
#include <ctime>

namespace platform {

std::int64_t SteadyClock::NowMs() const {
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

TimeOfDay SystemTimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return TimeOfDay{};
    return TimeOfDay{local.tm_hour, local.tm_min};
}

}  // namespace platform
