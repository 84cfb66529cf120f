#include "platform/headless/scripted_message_boxes.h"

namespace platform::headless {

MessageAnswer ScriptedMessageBoxes::Show(const std::u16string& caption, const std::u16string& text,
                                         MessageButtons buttons, MessageIcon icon) {
    FShown.push_back({caption, text, buttons, icon});
    if (FWhileOpen) FWhileOpen();
    if (!FAnswers.empty()) {
        const MessageAnswer answer = FAnswers.front();
        FAnswers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : FDefault;
}

}  // namespace platform::headless
