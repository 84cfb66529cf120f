#pragma once
// The words of the tree decorating room (TTreeRoom): the scripts and senders its RunScript
// answers, the boxes it looks up and the rooms it is found as or leads to. The timer's word
// comes from the timer table, so the code the twinkle is added with and the word RunScript
// waits for cannot drift apart.
#include <array>
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace tree_room_words {
// Kind word: the init script's TREEROOM line.
inline constexpr std::string_view kKindWord = "TREE";
// Scripts: a switch's script is its group's letter, the box and frame set the letter and 1 to 4.
inline constexpr char kTopGroup = 'A';      // the top ornaments, one at a time
inline constexpr char kLightsGroup = 'L';   // the light strings
inline constexpr char kTinselGroup = 'T';   // the garlands
inline constexpr std::string_view kBaubleScript = "B";  // a tray box B01 to B21
// Senders.
inline constexpr std::string_view kSnapButton = room_words::kSnap;                       // the camera button
inline constexpr std::string_view kTwinkleTimer = TimerWord(TTimerCode::Flash);  // the lights twinkle
// Boxes and frame sets.
inline constexpr std::string_view kTreeBox = "TREE";  // the control box over the tree, where baubles are dragged
inline constexpr std::array<std::string_view, 4> kTopSwitches{"A1", "A2", "A3", "A4"};
// Rooms.
inline constexpr std::string_view kTreeRoom = "TREE";     // the house's tree, drawn in other rooms too
inline constexpr std::string_view kHelpPage = "CTTEXT";   // where the tutor word leads
}  // namespace tree_room_words
