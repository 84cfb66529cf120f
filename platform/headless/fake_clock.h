#pragma once
// A clock that moves only when a test moves it.
#include <cstdint>

#include "platform/clock.h"

namespace platform {

class FakeClock final : public Clock {
public:
    explicit FakeClock(std::int64_t startMs = 1000) : FNow(startMs) {}
    std::int64_t NowMs() const override { return FNow; }
    void Advance(std::int64_t ms) { FNow += ms > 0 ? ms : 0; }

private:
    std::int64_t FNow;
};

}  // namespace platform
