#include "script_message.h"

#include <array>
#include <string_view>

#include "application_title.h"
#include "foundation/messages.h"
#include "house_words.h"
#include "shell/strings/game_string.h"
#include "qe_exception.h"
#include "room.h"
#include "room_world.h"
#include "timer_codes.h"

std::optional<TScriptMessage> TimerMessage(std::uint8_t code) {
    constexpr std::uint8_t kFirstFrame = TimerCodeValue(TTimerCode::AnimateFirst);
    if (code < TimerCodeValue(TTimerCode::Tick)) return std::nullopt;
    if (code >= kFirstFrame && code <= TimerCodeValue(TTimerCode::AnimateLast))
        return TScriptMessage{std::string(TimerWord(TTimerCode::Animate)), std::to_string(code - kFirstFrame + 1)};
    if (code <= TimerCodeValue(TTimerCode::CardBugWait))
        return TScriptMessage{"", std::string(TimerWord(static_cast<TTimerCode>(code)))};
    return TScriptMessage{};
}

void FireTimerEvent(TRoom& room, std::uint8_t code) {
    if (const std::optional<TScriptMessage> message = TimerMessage(code))
        room.RunScript(message->Script, message->Sender);
}

std::string KeyStateSender(bool shiftDown, bool ctrlDown) {
    return std::string(shiftDown ? "S" : "s") + (ctrlDown ? "C" : "c");
}

std::string FocusSender(bool active) { return active ? "T" : "F"; }

void ReportModifierChange(TRoom& room, bool shiftDown, bool ctrlDown) {
    if ((room.Flags & kRoomWantsShift) != 0) room.RunScript("SHIFT", KeyStateSender(shiftDown, ctrlDown));
}

void ReportDeleteDown(TRoom& room, bool shiftDown, bool ctrlDown) {
    if ((room.Flags & kRoomWantsDelete) != 0) room.RunScript("DELETE", KeyStateSender(shiftDown, ctrlDown));
}

void ReportFocusChange(TRoom& room, bool active) { room.RunScript("FOCUS", FocusSender(active)); }

void RunGlobalScript(TRoomWorld& world, std::uint16_t scriptId) {
    if (scriptId == 1) {
        world.SetQuit();
    } else if (scriptId == 2) {
        if (AskYesNo(kApplicationTitle, GameString(GameStringReallyQuit))) world.SetQuit();
    }
}

void SoundEnded(TRoomWorld& world, std::int32_t waveId) {
    TRoom* receiver = world.GetCurrentRoom();
    if (receiver == nullptr) return;
    if (waveId >= 22 && waveId <= 24) receiver = world.FindRoom(house_words::kLivingRoom);
    if (receiver != nullptr) receiver->RunScript("ENDOFSOUND", std::to_string(waveId));
}

int DigitOf(std::string_view word, int first, int last) {
    if (word.size() != 1 || word[0] < '0' || word[0] > '9') return -1;
    const int digit = word[0] - '0';
    return digit >= first && digit <= last ? digit : -1;
}
