#pragma once
// The words of the workshop (TWorkshopRoom): the scripts of its drawer, tool and toy boxes,
// the senders of its toys' timers, the frame set it lays out and the rooms its toys lead to.
// The timers' words come from the timer table, so a timer the room adds and the word its
// RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/house_words.h"
#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace workshop_words {
// Scripts.
inline constexpr std::string_view kDrawer = "DRAWER";                         // open or shut a drawer
inline constexpr std::string_view kTool = "TOOL";                             // take a tool from its drawer
inline constexpr std::string_view kPutToolBack = "XTOOL";                     // lay the held tool down
inline constexpr std::string_view kAnimate = TimerWord(TTimerCode::Animate);  // a toy's next frame
// Senders.
// The house's song ended: a singing toy winds down.
inline constexpr std::string_view kMusicEnded = room_words::kMusicEnded;
inline constexpr std::string_view kRadioFlashTimer = TimerWord(TTimerCode::RadioFlash);  // the radio's light
inline constexpr std::string_view kRadioTimer = TimerWord(TTimerCode::Radio);            // the radio's dial
inline constexpr std::string_view kSlateTimer = TimerWord(TTimerCode::Slate);            // the slate blinks
inline constexpr std::string_view kComplaintTimer = TimerWord(TTimerCode::Delay);        // a toy's sulk ends
// Frame sets.
inline constexpr std::string_view kLayout = "MR";  // the room's look, one frame per terrain
// Rooms.
inline constexpr std::string_view kWorkshop = house_words::kWorkshopRoom;    // this room, and its kind
inline constexpr std::string_view kJukeboxRoom = house_words::kJukeboxRoom;  // where the mended jukebox leads
inline constexpr std::string_view kSlateRoom = "SLATE";      // where the mended slate leads
inline constexpr std::string_view kHelpPage = "WSTEXT>";     // where the tutor word leads
}  // namespace workshop_words
