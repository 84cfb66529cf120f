#pragma once
// Headless message boxes: records every box shown and answers from a script of answers
// queued by the test (or a default answer once the script is used up).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace platform::headless {

struct ShownMessage {
    std::u16string Caption;
    std::u16string Text;
    MessageButtons Buttons;
    MessageIcon Icon;
};

class ScriptedMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                       MessageIcon icon) override;

    void QueueAnswer(MessageAnswer answer) { FAnswers.push_back(answer); }
    // Answer given when no scripted answer is left (Ok for an OK box, else this).
    void SetDefaultAnswer(MessageAnswer answer) { FDefault = answer; }
    // Runs while each box stands open, before it is answered (a test lets time pass there).
    void WhileOpen(std::function<void()> action) { FWhileOpen = std::move(action); }

    const std::vector<ShownMessage>& Shown() const { return FShown; }
    void ClearShown() { FShown.clear(); }

private:
    std::deque<MessageAnswer> FAnswers;
    MessageAnswer FDefault = MessageAnswer::Closed;
    std::vector<ShownMessage> FShown;
    std::function<void()> FWhileOpen;
};

// Installs a recorder for the lifetime of the object and restores the previous one after.
class ScopedMessageBoxes {
public:
    ScopedMessageBoxes() : FPrevious(InstalledMessageBoxes()) { InstallMessageBoxes(&Boxes); }
    ~ScopedMessageBoxes() { InstallMessageBoxes(FPrevious); }
    ScopedMessageBoxes(const ScopedMessageBoxes&) = delete;
    ScopedMessageBoxes& operator=(const ScopedMessageBoxes&) = delete;

    ScriptedMessageBoxes Boxes;

private:
    MessageBoxes* FPrevious;
};

}  // namespace platform::headless
