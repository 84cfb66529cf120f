#pragma once
// The words of the jukebox close-up (TJukeboxRoom): the scripts and senders its RunScript
// answers, the boxes and frame sets it looks up (the button's box and frame set share a name)
// and the rooms it looks at or leads to. The timers' words come from the timer table, so the
// code a timer is added with and the word RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/timer_codes.h"

namespace jukebox_room_words {
// Kind word: the init script's JUKEBOXROOM line.
inline constexpr std::string_view kKindWord = "JUKEBOX";
// Scripts.
inline constexpr std::string_view kRackScript = "RACK";      // a rack place, its box named by its digit
inline constexpr std::string_view kButtonScript = "BUTTON";  // play or stop
// Senders.
inline constexpr std::string_view kCartridgeInSlot = TimerWord(TTimerCode::Cartridge);  // the taken cartridge arrives
inline constexpr std::string_view kButtonUp = TimerWord(TTimerCode::Delay);             // the button comes up again
inline constexpr std::string_view kSlotGlow = TimerWord(TTimerCode::Animate);           // the playing slot glows
// Boxes and frame sets.
inline constexpr std::string_view kSlot = "SLOT";
inline constexpr std::string_view kButton = "BUTTON";
// Rooms.
inline constexpr std::string_view kBedroom = "BED";      // whose door opens the way into the house
inline constexpr std::string_view kHelpPage = "JBTEXT";  // where the tutor word leads
}  // namespace jukebox_room_words
