#pragma once
// The words of the doll room (TDollRoom): the scripts its init-script boxes carry, the senders
// its RunScript answers, the boxes and frame sets it looks up and the rooms it leads to. The
// timers' words come from the timer table, so the code a timer is added with and the word
// RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace doll_room_words {
// Scripts.
inline constexpr std::string_view kDrawerScript = "DRAWER";  // the drawer opens or closes
inline constexpr std::string_view kPickerScript = "DP";      // a body picker was clicked
inline constexpr std::string_view kRobeScript = "DR";        // a robe in the drawer was clicked
inline constexpr std::string_view kBowScript = "DX";         // the bow in the drawer was clicked
inline constexpr std::string_view kCapScript = "DH";         // a cap or hat in the drawer was clicked
// Senders.
inline constexpr std::string_view kStageTimer = TimerWord(TTimerCode::Delay);     // curtains and singing move on
inline constexpr std::string_view kRevealTimer = TimerWord(TTimerCode::Animate);  // the drawer shows its next item
inline constexpr std::string_view kWrap = room_words::kWrap;  // give the doll to the wrapping table
inline constexpr std::string_view kSnap = room_words::kSnap;  // hand a snapshot of the doll to the album
// Boxes and frame sets. Pickers and drawer items are a letter and a digit: "T1".."T4" torsos,
// "H1".."H4" heads, "A1".."A4" arms, "L1".."L4" legs; "R1".."R6" robes, "X1" the bow, "C1".."C6" caps.
inline constexpr char kTorsoMark = 'T';
inline constexpr char kHeadMark = 'H';
inline constexpr char kArmMark = 'A';
inline constexpr char kLegMark = 'L';
inline constexpr std::string_view kPickerMarks = "THAL";  // the four kinds of picker, in that order
inline constexpr char kRobeMark = 'R';
inline constexpr char kBowMark = 'X';
inline constexpr char kCapMark = 'C';
inline constexpr std::string_view kDollBox = "DOLL";      // the doll on the stage; a whole doll sings
inline constexpr std::string_view kDrawer = "DRAWER";     // the drawer's frame set
inline constexpr std::string_view kShelfPuzzle = "PUZ";   // the puzzle on the shelf, box and frame set
// Rooms.
inline constexpr std::string_view kRoomKind = "DOLL";    // the kind word of the init script
inline constexpr std::string_view kHelpPage = "DTEXT>";  // where the tutor word leads
}  // namespace doll_room_words
