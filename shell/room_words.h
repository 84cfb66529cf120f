#pragma once
// The script words every room answers through the base room's RunScript. A room's own words
// go in a file of its own beside it, the same way (rooms/<room>/<room>_words.h), so the
// words its init-script lines, its timers and its RunScript share are spelt once.
#include <string_view>

namespace room_words {
// Scripts.
inline constexpr std::string_view kEndOfSound = "ENDOFSOUND";  // a wave sound ended
inline constexpr std::string_view kFocus = "FOCUS";            // the window gained or lost focus
inline constexpr std::string_view kNil = "NIL";                // a box that does nothing
// Senders.
inline constexpr std::string_view kExit = "EXIT";                // go to the room the script names
inline constexpr std::string_view kDelayedExit = "DELAYEDEXIT";  // go to the room set beforehand
inline constexpr std::string_view kSnapFlash = "SNAPFLASH";      // the camera flash turns on or off
inline constexpr std::string_view kFocusLost = "F";
// Sent by the window's action buttons to the room shown, and by the end of the living room's
// or the house's song.
inline constexpr std::string_view kSnap = "SNAP";    // the camera: a photo to the album
inline constexpr std::string_view kWrap = "WRAP";    // the present: what was made to the wrapping table
inline constexpr std::string_view kHang = "HANG";    // the album's photo above the fire
inline constexpr std::string_view kPrint = "PRINT";  // the album's page to the printer
inline constexpr std::string_view kCard = "CARD";    // the album's photo printed as a card
inline constexpr std::string_view kMusicEnded = "ENDMUSIC";
// Sent by the window's tutor button to the rooms whose tutor role is Tutor: rooms with a help
// page go to it.
inline constexpr std::string_view kTutor = "TUTOR";
}  // namespace room_words
