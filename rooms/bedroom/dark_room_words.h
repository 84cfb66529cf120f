#pragma once
// The words of the dark room (TDarkRoom): the senders its RunScript answers, the lamp it
// blinks and the rooms it leads to. The timers' words come from the timer table, so the code
// a timer is added with and the word RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/house_words.h"
#include "shell/timer_codes.h"

namespace dark_room_words {
// Kind word: the init script's DARKROOM line.
inline constexpr std::string_view kKindWord = "DARK";
// Senders.
inline constexpr std::string_view kBlinkTimer = TimerWord(TTimerCode::Animate);  // the night light blinks
inline constexpr std::string_view kLullabyTimer = TimerWord(TTimerCode::Music);  // the lullaby, if all is quiet
// Boxes and frame sets.
inline constexpr std::string_view kLamp = house_words::kLamp;  // a click, or the lullaby's end, lights it again
// Rooms.
inline constexpr std::string_view kBedroom = "BED";         // where the light comes on again
inline constexpr std::string_view kHelpPage = "DBRTEXT";    // where the tutor word leads
}  // namespace dark_room_words
