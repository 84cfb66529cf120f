#pragma once
// A monotonic millisecond clock, and the wall-clock time of day where the player is. The
// game's timing (the 55 ms tick, song ends, sound durations in the headless layer) reads the
// first through this interface so tests can move time by hand; the living room's cuckoo
// clock reads the second, which tests fix.
#include <cstdint>

namespace platform {

// Local time of day: hour 0 to 23, minute 0 to 59.
struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// The system's local time of day.
TimeOfDay SystemTimeOfDay();

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes backwards and never wraps.
    virtual std::int64_t NowMs() const = 0;
    // The local time of day; the real clocks give the system's.
    virtual TimeOfDay LocalTimeOfDay() const { return SystemTimeOfDay(); }
};

// The real clock: the system's steady clock, counted from the first time it is read.
class SteadyClock final : public Clock {
public:
    std::int64_t NowMs() const override;
};

}  // namespace platform
