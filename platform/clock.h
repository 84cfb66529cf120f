#pragma once
// A monotonic millisecond clock. The game's timing (the 55 ms tick, song ends, sound
// durations in the headless layer) reads it through this interface so tests can move time
// by hand.
#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes backwards and never wraps.
    virtual std::int64_t NowMs() const = 0;
};

// The real clock: the system's steady clock, counted from the first time it is read.
class SteadyClock final : public Clock {
public:
    std::int64_t NowMs() const override;
};

}  // namespace platform
