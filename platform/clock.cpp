#include "clock.h"

#include <chrono>

namespace platform {

std::int64_t SteadyClock::NowMs() const {
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

}  // namespace platform
