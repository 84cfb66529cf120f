#pragma once
// The words of the slate (TSlateRoom): the scripts and senders its RunScript answers, the
// boxes and frame sets it looks up by name and the rooms it goes to. The release timer's word
// comes from the timer table, so the code the sticker buttons add and the word the room waits
// for cannot drift apart.
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace slate_words {
// Scripts.
inline constexpr std::string_view kShift = "SHIFT";         // the shift or ctrl key went down or up
inline constexpr std::string_view kErase = "ERASER";        // remove the sticker, or clear the slate
inline constexpr std::string_view kMirror = "FLOP";         // mirror the selected sticker
inline constexpr std::string_view kHalf = "HALF";           // the selected sticker to half size and back
inline constexpr std::string_view kStickerButton = "BTN";   // a sticker button; the sender its number
inline constexpr std::string_view kBackground = "BG";       // a background button; the sender its number
inline constexpr std::string_view kPageBack = "XPANEL1";    // the page of buttons before
inline constexpr std::string_view kPageOn = "XPANEL2";      // the page of buttons after
inline constexpr std::string_view kColour = "COLOR";        // a colour well; the sender its number
inline constexpr std::string_view kBright = "BRIGHT";       // the bright or normal colours
// Senders.
inline constexpr std::string_view kReleaseTimer = TimerWord(TTimerCode::Release);  // a lit button goes out
inline constexpr std::string_view kSnap = room_words::kSnap;  // the camera button: the slate to the album
// Boxes (and frame sets of the same name).
inline constexpr std::string_view kSlateBox = "SLATE";     // the drawing surface
inline constexpr std::string_view kIconsBox = "ICONS";     // the row of sticker icons
inline constexpr std::string_view kEraserBox = "ERASER";   // the eraser button
inline constexpr std::string_view kMirrorBox = "FLOP";     // the mirror button
inline constexpr std::string_view kHalfBox = "HALF";       // the half-size button
inline constexpr std::string_view kPageSlide = "SLIDE";    // frame set: which page of buttons
inline constexpr std::string_view kBrightLamp = "BRIGHT";  // frame set: bright colours on or off
// Rooms.
inline constexpr std::string_view kKind = "SLATE";        // the room's kind word
inline constexpr std::string_view kHelpPage = "MSTEXT>";  // where the tutor word leads
}  // namespace slate_words
