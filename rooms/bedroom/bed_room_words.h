#pragma once
// The words of the bedroom (TBedRoom): the scripts and senders its RunScript answers, the
// boxes and frame sets it looks up (a box and the frame set it shows share a name in the init
// script) and the rooms it leads to. The timers' words come from the timer table, so the code
// a timer is added with and the word RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/house_words.h"
#include "shell/timer_codes.h"

namespace bed_room_words {
// Kind word: the init script's BEDROOM line.
inline constexpr std::string_view kKindWord = "BED";
// Scripts.
inline constexpr std::string_view kCoatScript = "COAT";        // the coat or the heap under the hook
inline constexpr std::string_view kDrawerScript = "DRAWER";    // a drawer box D1 to D4
inline constexpr std::string_view kArticleScript = "ARTICLE";  // a toy box A1 to A4
inline constexpr std::string_view kToggleScript = "TOGGLE";    // the pail, the book, the door
// A drawer toy's timer: the frame word is the drawer's number.
inline constexpr std::string_view kArticleTimerScript = TimerWord(TTimerCode::Animate);
// Senders.
inline constexpr std::string_view kRaiseBlindStep = TimerWord(TTimerCode::Raise);  // the blind rolls up a step
inline constexpr std::string_view kLowerBlindStep = TimerWord(TTimerCode::Lower);  // the blind comes down a step
inline constexpr std::string_view kLampFlicker = TimerWord(TTimerCode::Flash);     // the lamp flickers
// The socks' boxes send the same words as the timers that hop them on, so one answer serves both.
inline constexpr std::string_view kRedsUp = TimerWord(TTimerCode::Red1);    // box RED1: the socks in the drawer
inline constexpr std::string_view kRedsDown = TimerWord(TTimerCode::Red2);  // box RED2: the socks out on the floor
// Boxes and frame sets.
inline constexpr std::string_view kBlind = "BLIND";
inline constexpr std::string_view kLamp = "LAMP";
inline constexpr std::string_view kPot = "POT";   // the flower; a box while the can is carried
inline constexpr std::string_view kCan = "CAN";   // the watering can
inline constexpr std::string_view kJukebox = "JUKE";
inline constexpr std::string_view kReds = "REDS";  // the red socks' frame set
inline constexpr std::string_view kCoat = "COAT";
inline constexpr std::string_view kHook = "HOOK";  // the coat fallen under the hook
inline constexpr std::string_view kPail = "PAIL";
inline constexpr std::string_view kBook = "BOOK";
inline constexpr std::string_view kDoor = "DOOR";
inline constexpr std::string_view kDoorway = "DOORWAY";   // the way out, while the door is open
inline constexpr std::string_view kBottomDrawer = "D4";   // the socks' drawer
// Drawer n is the box and frame set D<n>, its toy A<n>.
inline constexpr char kDrawerLetter = 'D';
inline constexpr char kArticleLetter = 'A';
// Rooms.
inline constexpr std::string_view kDarkRoom = house_words::kDarkRoom;        // the blind down and the lamp off
inline constexpr std::string_view kCredits = "CREDITS";      // the book, opened and clicked again
inline constexpr std::string_view kJukeboxRoom = house_words::kJukeboxRoom;  // whose cartridge the bedroom shows
inline constexpr std::string_view kHelpPage = "BRTEXT";      // where the tutor word leads
}  // namespace bed_room_words
