#include "event_queue.h"

#include <algorithm>
#include <utility>

namespace platform {

void EventQueue::Post(const void* owner, Event event) {
    std::function<void()> wake;
    {
        std::lock_guard lock(FMutex);
        FEntries.push_back(Entry{FNextSerial++, owner, std::move(event)});
        wake = FWakeHook;
    }
    if (wake) wake();
}

std::size_t EventQueue::Drain() {
    std::uint64_t end;
    {
        std::lock_guard lock(FMutex);
        end = FNextSerial;
    }
    std::size_t ran = 0;
    for (;;) {
        Event run;
        {
            // One entry at a time, so a handler that cancels later events is obeyed.
            std::lock_guard lock(FMutex);
            if (FEntries.empty() || FEntries.front().Serial >= end) break;
            run = std::move(FEntries.front().Run);
            FEntries.pop_front();
        }
        if (run) run();
        ++ran;
    }
    return ran;
}

void EventQueue::Cancel(const void* owner) {
    std::lock_guard lock(FMutex);
    std::erase_if(FEntries, [owner](const Entry& e) { return e.Owner == owner; });
}

std::size_t EventQueue::PendingCount() const {
    std::lock_guard lock(FMutex);
    return FEntries.size();
}

void EventQueue::SetWakeHook(std::function<void()> hook) {
    std::lock_guard lock(FMutex);
    FWakeHook = std::move(hook);
}

}  // namespace platform
