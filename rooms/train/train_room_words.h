#pragma once
// The words of the train table (TTrainRoom): the scripts its init-script boxes carry, the
// senders its RunScript answers, the boxes and frame sets it looks up and the rooms it leads
// to. The timers' words come from the timer table, so the code a timer is added with and the
// word RunScript waits for cannot drift apart.
#include <string_view>

#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace train_room_words {
// Scripts.
inline constexpr std::string_view kEngineScript = "ENG";   // an engine on the shelf was clicked
inline constexpr std::string_view kCarScript = "CAR";      // a car on the shelf was clicked
inline constexpr std::string_view kKnobScript = "KNOB";    // a speed knob's + or - was clicked
inline constexpr std::string_view kAnimateScript = TimerWord(TTimerCode::Animate);  // an engine's move timer
// Senders.
inline constexpr std::string_view kSwitchPage = "SWITCH";  // the palette turns to its other page
inline constexpr std::string_view kPlacingTimer = TimerWord(TTimerCode::Placing);  // the placed engine blinks
inline constexpr std::string_view kWhistle1Timer = TimerWord(TTimerCode::Whistle1);  // engine 1 may whistle
inline constexpr std::string_view kWhistle2Timer = TimerWord(TTimerCode::Whistle2);  // engine 2 may whistle
inline constexpr std::string_view kWrap = room_words::kWrap;        // give the layout to the wrapping table
inline constexpr std::string_view kSnap = room_words::kSnap;        // hand a snapshot of the table to the album
inline constexpr std::string_view kFocusGained = "T";    // with the FOCUS script: the window is back
// Boxes and frame sets; the engine, car and knob names end in the engine's number 1 or 2.
inline constexpr std::string_view kLayoutBox = "LAYOUT";      // the table of tiles
inline constexpr std::string_view kPaletteBox = "TRACKPAL";   // the palette of pieces
inline constexpr std::string_view kPaletteSwitch = "PALSWITCH";  // the palette's page turner
inline constexpr std::string_view kEnginePrefix = "ENG";      // "ENG1": an engine's box and frame set
inline constexpr std::string_view kCarPrefix = "CAR";         // "CAR1": a car's box and frame set
inline constexpr std::string_view kKnobPrefix = "KNB";        // "KNB1": a speed knob's frame set
inline constexpr std::string_view kKnobBoxEnd = "KNB";        // "+1KNB", "-1KNB": a knob's halves
// Rooms.
inline constexpr std::string_view kRoomKind = "TRAIN";     // the kind word of the init script
inline constexpr std::string_view kHelpPage = "MRTEXT>";   // where the tutor word leads
}  // namespace train_room_words
