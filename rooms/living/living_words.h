#pragma once
// The words of the living room (TLivingRoom): the scripts and senders its RunScript answers,
// the boxes and frame sets it looks up by name and the rooms it goes to. The timers' words
// come from the timer table, so the code a timer is added under and the word the room waits
// for cannot drift apart.
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace living_words {
// Scripts.
inline constexpr std::string_view kShowGift = "GIFT";             // a gift under the tree, to the show room
inline constexpr std::string_view kShowHostGift = "BRINDLEGIFT";  // the host's gift, to the show room
inline constexpr std::string_view kCallCuckoo = "CUCKOO";         // the clock was clicked
inline constexpr std::string_view kRadio = "RADIO";               // the radio's next mode
// Senders.
inline constexpr std::string_view kTwinkleTimer = TimerWord(TTimerCode::Flash);          // the tree twinkles
inline constexpr std::string_view kFireTimer = TimerWord(TTimerCode::Animate);           // the fire's next frame
inline constexpr std::string_view kPendulumTimer = TimerWord(TTimerCode::Tick);          // the pendulum swings
inline constexpr std::string_view kClockTimer = TimerWord(TTimerCode::Timer);            // the hands move on
inline constexpr std::string_view kCuckooTimer = TimerWord(TTimerCode::Cuckoo);          // the bird's next step
inline constexpr std::string_view kRadioBlinkTimer = TimerWord(TTimerCode::RadioFlash);  // the radio light blinks
// The scroll boxes send the words of the scroll timers.
inline constexpr std::string_view kScrollLeft = TimerWord(TTimerCode::GoLeftEnd);
inline constexpr std::string_view kScrollRight = TimerWord(TTimerCode::GoRightEnd);
inline constexpr std::string_view kSnap = room_words::kSnap;           // the camera button: snap the tree
inline constexpr std::string_view kMusicEnded = room_words::kMusicEnded;  // the radio's song ended
// Boxes (and frame sets) the room looks up.
inline constexpr std::string_view kGiftStem = "GIFT";          // GIFT1 to GIFT11, the slots under the tree
inline constexpr std::string_view kTreeWay = "TREE";           // the way to the tree, only at the tree
inline constexpr std::string_view kRadioBox = "#365";          // the radio, gone while away for repair
inline constexpr std::string_view kPendulum = "PEND";          // the clock's pendulum
inline constexpr std::string_view kCuckooBird = "BIRD";        // the cuckoo
inline constexpr std::string_view kFire = "FIRE";              // the fireplace
inline constexpr std::string_view kSlateToyHome = "SLTU";      // the slate toy, unless away for repair
inline constexpr std::string_view kSlateToyOnTable = "SLTW";   // the slate toy on the wrapping table
inline constexpr std::string_view kTableGift = "GIFT";         // the gift on the wrapping table
// Rooms.
inline constexpr std::string_view kKind = "LIVING";           // the room's kind word
inline constexpr std::string_view kAlbumRoom = "ALBUM";       // hangs its picture on the wall here
inline constexpr std::string_view kHelpPage = "LRTEXT>";      // where the tutor word leads
// The rooms that are activities of this room, each between two '!'.
inline constexpr std::string_view kActivityRooms = "!ALBUM!WRAP!TREE!SLATE!";
}  // namespace living_words
