#pragma once
// The words of the title and gift screens (TFrontRoom): the senders their RunScript answers
// and the page the tutor word opens. The timer's word comes from the timer table, so the
// code the song cycle adds and the word it waits for cannot drift apart.
#include <string_view>

#include "house_words.h"
#include "timer_codes.h"

namespace front_room_words {
// Senders.
inline constexpr std::string_view kCycleTimer = TimerWord(TTimerCode::Delay);  // next song or pause
inline constexpr std::string_view kSongEnded = house_words::kGiftSongEnded;  // a song of the gift screen ended
// Rooms.
inline constexpr std::string_view kWelcomePage = "MGTEXT";  // where the tutor word leads
}  // namespace front_room_words
