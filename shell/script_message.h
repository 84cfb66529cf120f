#pragma once
// Script messages: everything that happens in a room reaches it as a pair of words (Script,
// Sender) given to its RunScript. This file turns timer codes, key and focus changes, the
// end of a wave sound and the end of a song into such pairs and delivers them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TRoom;
class TRoomWorld;

struct TScriptMessage {
    std::string Script;
    std::string Sender;
    friend bool operator==(const TScriptMessage&, const TScriptMessage&) = default;
};

// The message of a timer code: none for codes 0 to 2; ("ANIMATE", "1".."11") for 7 to 17;
// (empty, the code's word) for 3 to 6 and 18 to 45; two empty words for 46 and above.
std::optional<TScriptMessage> TimerMessage(std::uint8_t code);

// Delivers the timer code's message to the room that owned the timer.
void FireTimerEvent(TRoom& room, std::uint8_t code);

// The two letters of the SHIFT and DELETE reports: "S" or "s", then "C" or "c".
std::string KeyStateSender(bool shiftDown, bool ctrlDown);
// The sender of a FOCUS report: "T" gained, "F" lost.
std::string FocusSender(bool active);

// Key and focus reports to the current room: a Shift or Ctrl change to a room that asked
// for SHIFT messages (room flag 0x0040), Delete going down to one that asked for DELETE
// messages (0x8000), and every focus change.
void ReportModifierChange(TRoom& room, bool shiftDown, bool ctrlDown);
void ReportDeleteDown(TRoom& room, bool shiftDown, bool ctrlDown);
void ReportFocusChange(TRoom& room, bool active);

// Rooms number their boxes with one digit: the digit from first to last standing alone as
// the whole word, or -1.
int DigitOf(std::string_view word, int first, int last);

// The click of a script box: 1 quits, 2 asks first, any other id does nothing.
void RunGlobalScript(TRoomWorld& world, std::uint16_t scriptId);

// A wave sound ended: ("ENDOFSOUND", id) goes to the current room, or to the room "LIVING"
// for ids 22, 23 and 24 wherever the player is (nothing when that room is missing).
void SoundEnded(TRoomWorld& world, std::int32_t waveId);
