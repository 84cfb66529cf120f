#pragma once
// A pending room timer: an event code that fires as a script message once the world's tick
// total reaches its due tick. A room keeps its timers in the order they were added.
#include <cstdint>

#include "foundation/node_list.h"
#include "timer_codes.h"

class TTimerScriptInfo : public TVekNode {
public:
    TTimerScriptInfo(std::uint8_t code, std::int32_t dueTick) : Code(code), DueTick(dueTick) {}
    std::uint8_t Code;
    std::int32_t DueTick;
};

// Timer codes with a role in the room framework itself.
inline constexpr std::uint8_t kDelayedExitTimer = TimerCodeValue(TTimerCode::DelayedExit);
inline constexpr std::uint8_t kSnapFlashTimer = TimerCodeValue(TTimerCode::SnapFlash);
// The camera flash lasts this many ticks.
inline constexpr std::int32_t kSnapFlashTicks = 10;
