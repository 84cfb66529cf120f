#pragma once
// Turns the main window's timer events into whole ticks. Timer events come late or early
// and sometimes twice: each event hands out the whole periods that have passed since the
// ticks handed out so far, rounded to the nearest, so late events catch up at once and early
// or doubled ones hand out nothing.
#include <cstdint>

class TTickCounter {
public:
    explicit TTickCounter(std::int32_t intervalMs = 55) : FInterval(intervalMs > 0 ? intervalMs : 1) {}

    // Called with the clock at each timer event; the first call starts the count at 0.
    std::int32_t Elapsed(std::int64_t nowMs) {
        if (!FStarted) {
            FStarted = true;
            FBase = nowMs;
        }
        const std::int64_t periods = (nowMs + FInterval / 2 - FBase) / FInterval;
        if (periods <= 0) return 0;
        FBase += periods * FInterval;
        return periods > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(periods);
    }

    std::int32_t Interval() const { return FInterval; }
    // The clock time up to which whole ticks have been handed out.
    std::int64_t Base() const { return FBase; }

private:
    std::int32_t FInterval;
    std::int64_t FBase = 0;
    bool FStarted = false;
};
