#pragma once
// The words of the puzzle machine (TPuzzleRoom): the scripts of the boxes it makes itself,
// the senders its RunScript answers, the boxes and frame sets it looks up and the rooms it
// leads to. The timers' words come from the timer table, so the code a timer is added with
// and the word RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/house_words.h"
#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace puzzle_room_words {
// Scripts of the room's own boxes.
inline constexpr std::string_view kBlockScript = "BLOCK";  // a cube was clicked; its box names it
inline constexpr std::string_view kSideScript = "SIDE";    // a shelf's puzzle goes onto the machine
inline constexpr std::string_view kCloseScript = "CLOSE";  // the knob opens or closes the frame
inline constexpr std::string_view kLeverScript = "LEVER";  // the lever starts the scramble
inline constexpr std::string_view kDownScript = "DOWN";    // the cover lifts
// Senders.
inline constexpr std::string_view kSolvedTimer = TimerWord(TTimerCode::Delay);       // show a solved puzzle
inline constexpr std::string_view kScrambleTimer = TimerWord(TTimerCode::Animate);  // the scramble turns a cube
inline constexpr std::string_view kScrambleEnded = house_words::kScrambleEnded;  // the scramble's tune ended
inline constexpr std::string_view kWrap = room_words::kWrap;  // give the puzzle to the wrapping table
inline constexpr std::string_view kSnap = room_words::kSnap;  // hand a snapshot of the puzzle to the album
// Boxes; a cube's box is its column and row digits, "11" to "44".
inline constexpr std::string_view kLeftShelfBox = "LPUZ";   // the puzzle on the left shelf
inline constexpr std::string_view kRightShelfBox = "RPUZ";  // the puzzle on the right shelf
inline constexpr std::string_view kOpenKnobBox = "FCLS";    // the knob while the frame is open
inline constexpr std::string_view kShutKnobBox = "TCLS";    // the knob while the frame is shut
inline constexpr std::string_view kLeverBox = "LEVER";
inline constexpr std::string_view kCoverBox = "DOWN";       // the lowered cover
// Frame sets: the frame knob's and the lever's top and bottom halves.
inline constexpr std::string_view kKnobTop = "K1T";
inline constexpr std::string_view kKnobBottom = "K1B";
inline constexpr std::string_view kLeverTop = "K2T";
inline constexpr std::string_view kLeverBottom = "K2B";
// Rooms.
inline constexpr std::string_view kRoomKind = "PUZZLE";  // the kind word of the init script
inline constexpr std::string_view kHelpPage = "PTEXT>";  // where the tutor word leads
}  // namespace puzzle_room_words
