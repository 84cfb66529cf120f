#pragma once
// The main thread's queue of events from the platform: the end of a wave buffer, the end of a
// song. Audio runs on its own thread, the game on one thread only, so audio posts here and
// the game's main loop drains the queue once per iteration (tests drain it by hand). An
// event is therefore never delivered from inside the call that caused it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace platform {

class EventQueue {
public:
    using Event = std::function<void()>;

    // Any thread. `owner` tags the event so that its owner can withdraw what it posted when
    // it is destroyed (Cancel); it is never dereferenced.
    void Post(const void* owner, Event event);
    // Main thread. Runs, in order, the events posted before the call; events posted while
    // draining wait for the next call, so a handler that posts cannot starve the loop.
    // Returns how many ran.
    std::size_t Drain();
    // Drops every event `owner` posted that has not run yet.
    void Cancel(const void* owner);
    std::size_t PendingCount() const;

    // Called on the posting thread after each Post, so a sleeping main loop can be woken.
    void SetWakeHook(std::function<void()> hook);

private:
    struct Entry {
        std::uint64_t Serial;
        const void* Owner;
        Event Run;
    };
    mutable std::mutex FMutex;
    std::deque<Entry> FEntries;
    std::uint64_t FNextSerial = 1;
    std::function<void()> FWakeHook;
};

}  // namespace platform
