#pragma once
// A clock that moves only when a test moves it. Its time of day stands still too (10:10
// unless a test sets it), so nothing a test draws depends on when it runs.
#include <cstdint>

#include "platform/clock.h"

namespace platform {

class FakeClock final : public Clock {
public:
    explicit FakeClock(std::int64_t startMs = 1000) : FNow(startMs) {}
    std::int64_t NowMs() const override { return FNow; }
    void Advance(std::int64_t ms) { FNow += ms > 0 ? ms : 0; }

    TimeOfDay LocalTimeOfDay() const override { return FTimeOfDay; }
    // Hours and minutes out of range are brought into it.
    void SetTimeOfDay(int hour, int minute) {
        FTimeOfDay = TimeOfDay{((hour % 24) + 24) % 24, ((minute % 60) + 60) % 60};
    }

private:
    std::int64_t FNow;
    TimeOfDay FTimeOfDay{10, 10};
};

}  // namespace platform
