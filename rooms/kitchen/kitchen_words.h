#pragma once
// The words of the kitchen (TKitchenRoom) and of its tray close-up (TTrayRoom): the scripts
// of the kitchen's boxes, the senders of its timers and of the window's action buttons, the
// boxes and frame sets it looks up and the rooms it leads to. The timers' words come from
// the timer table, so a timer the kitchen adds and the word its RunScript waits for cannot
// drift apart.
#include <array>
#include <string_view>

#include "shell/room_words.h"
#include "rooms/kitchen/cookie.h"
#include "shell/timer_codes.h"

namespace kitchen_words {
// Scripts.
inline constexpr std::string_view kButton = "BTN";        // a choice button of the cookie machine
inline constexpr std::string_view kStartBatch = "GO";     // the machine's start lever
inline constexpr std::string_view kOven = "OVN";          // the oven takes the machine's tray
inline constexpr std::string_view kRefill = "INGRED";     // a sack tipped into its hopper
inline constexpr std::string_view kDrink = "DRINK";       // a jug poured, or the glass drunk
inline constexpr std::string_view kPlate = "PLATE";       // a cookie taken from the cooling tray
inline constexpr std::string_view kScrollScript = "END";  // stands in for a scroll arrow's click
// Senders.
inline constexpr std::string_view kMachineTimer = TimerWord(TTimerCode::Machine);    // the machine's next step
inline constexpr std::string_view kCookTimer = TimerWord(TTimerCode::Cook);          // the oven's next step
inline constexpr std::string_view kFlashTimer = TimerWord(TTimerCode::Flash);        // the low lights blink
inline constexpr std::string_view kEatTimer = TimerWord(TTimerCode::Eat);            // the next bite
inline constexpr std::string_view kScrollLeft = TimerWord(TTimerCode::GoLeftEnd);    // towards the cooling tray
inline constexpr std::string_view kScrollRight = TimerWord(TTimerCode::GoRightEnd);  // towards the machine
inline constexpr std::string_view kWrap = room_words::kWrap;  // the window's wrap button
inline constexpr std::string_view kSnap = room_words::kSnap;  // the window's camera button
// Boxes.
inline constexpr std::string_view kGoBox = "#604GO";     // the start lever
inline constexpr std::string_view kOvenBox = "#223OVN";  // the oven door
inline constexpr std::array<std::string_view, 3> kHopperBoxes{"#501FLR", "#506BUT", "#531SUG"};  // refill sacks
inline constexpr std::array<std::string_view, 2> kJugBoxes{"#093J1", "#162J2"};  // the milk jugs
inline constexpr std::string_view kGlassBox = "#061GLS";  // the glass, to drink from
// The cooling tray's places, 1 to 6.
inline constexpr std::array<std::string_view, kTrayPlaces> kPlateBoxes{"#072C1", "#103C2", "#145C3",
                                                                      "#125C4", "#087C5", "#053C6"};
// Frame sets.
inline constexpr std::array<std::string_view, 3> kLowLights{"I1", "I2", "I3"};  // a hopper runs low
inline constexpr std::string_view kTrayLight = "TRAY";   // the tray is in the oven
inline constexpr std::string_view kGoLight = "GO";       // a batch can start
inline constexpr std::string_view kJar = "JAR";          // the cookie jar's filling
inline constexpr std::string_view kOvenTimer = "TIMER";  // the oven's clock
// Rooms.
inline constexpr std::string_view kKitchen = "KITCHEN";         // the kitchen, and its kind
inline constexpr std::string_view kTray = "TRAY";               // the tray close-up, and its kind
inline constexpr std::string_view kKitchenHelpPage = "KTEXT>";  // where the kitchen's tutor word leads
inline constexpr std::string_view kTrayHelpPage = "TTEXT";      // where the tray's tutor word leads
}  // namespace kitchen_words
