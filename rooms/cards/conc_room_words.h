#pragma once
// The words of the card-matching room (TConcRoom): the scripts its decks and cards carry, the
// senders its RunScript answers, the boxes and frame sets it looks up and the rooms it leads
// to. The timers' words come from the timer table, so the code a timer is added with and the
// word RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace conc_room_words {
// Scripts.
inline constexpr std::string_view kDeckScript = "DECK";  // a deck on the shelf was clicked
inline constexpr std::string_view kCardScript = "CARD";  // a card on the table was clicked
// Senders.
inline constexpr std::string_view kDealTimer = TimerWord(TTimerCode::Deal);        // the next card is dealt
inline constexpr std::string_view kMatchTimer = TimerWord(TTimerCode::Match);      // the shown pair is settled
inline constexpr std::string_view kShadowsTimer = TimerWord(TTimerCode::Animate);  // the shadow play moves on
inline constexpr std::string_view kWrap = room_words::kWrap;  // give the game to the wrapping table
inline constexpr std::string_view kSnap = room_words::kSnap;  // hand a snapshot of the table to the album
// Boxes and frame sets: a letter and a number, "D1".."D3" the decks, "C1".."C16" the cards.
inline constexpr char kDeckMark = 'D';
inline constexpr char kCardMark = 'C';
inline constexpr std::string_view kShadows = "SHADOWS";  // the shadow play once all decks are done
// Rooms.
inline constexpr std::string_view kRoomKind = "CONC";     // the kind word of the init script
inline constexpr std::string_view kHelpPage = "CMTEXT>";  // where the tutor word leads
}  // namespace conc_room_words
