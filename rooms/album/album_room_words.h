#pragma once
// The words of the photo album (TAlbumRoom): the scripts and senders its RunScript answers,
// the boxes it moves and switches, and the rooms it is found as or leads to. The timers'
// words come from the timer table, so the code a timer is added with and the word RunScript
// waits for cannot drift apart.
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace album_room_words {
// Kind word: the init script's ALBUMROOM line.
inline constexpr std::string_view kKindWord = "ALBUM";
// Scripts.
inline constexpr std::string_view kDeleteScript = "DELETE";  // the Delete key, the shift state as the sender
inline constexpr char kShiftDownMark = 'S';                  // the sender's first letter while Shift is down
// Senders: the action buttons, and the timers that do their work a tick later.
inline constexpr std::string_view kCoverOpens = TimerWord(TTimerCode::Delay);  // the cover gives way to the pages
inline constexpr std::string_view kHangButton = room_words::kHang;
inline constexpr std::string_view kHangAfterWait = TimerWord(TTimerCode::HangBugWait);
inline constexpr std::string_view kPrintButton = room_words::kPrint;
inline constexpr std::string_view kPrintAfterWait = TimerWord(TTimerCode::PrintBugWait);
inline constexpr std::string_view kCardButton = room_words::kCard;
inline constexpr std::string_view kCardAfterWait = TimerWord(TTimerCode::CardBugWait);
// Boxes, whose names are also their senders.
inline constexpr std::string_view kPageBack = "BACK";          // the top left corner
inline constexpr std::string_view kPageForward = "FWD";        // the top right corner
inline constexpr std::string_view kLeftPicture = "LEFT";       // moved onto the left page's picture
inline constexpr std::string_view kRightPicture = "RIGHT";     // moved onto the right page's picture
// Rooms.
inline constexpr std::string_view kAlbumRoom = "ALBUM";    // the album of the house, where snapshots go
inline constexpr std::string_view kHelpPage = "PATEXT>";   // where the tutor word leads
}  // namespace album_room_words
