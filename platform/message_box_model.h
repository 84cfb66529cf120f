#pragma once
// What a message box drawn inside the game window does with keys and clicks, apart from how
// it looks: its buttons in order, the one with the keyboard focus, and the answer a key or a
// click gives. Enter and Space answer the focused button (the first at the start), Escape the
// last one, the arrow keys and Tab move the focus.
#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace platform {

enum class BoxKey { Enter, Space, Escape, Left, Right, Tab, ShiftTab };

class MessageBoxModel {
public:
    explicit MessageBoxModel(MessageButtons buttons);

    struct Button {
        MessageAnswer Answer;
        std::string Label;
    };
    const std::vector<Button>& Buttons() const { return FButtons; }
    int Focus() const { return FFocus; }

    // The answer the key gives, or nothing when it only moves the focus (or does nothing).
    std::optional<MessageAnswer> Key(BoxKey key);
    // A click on button `index` (as Buttons() lists them); out of range does nothing.
    std::optional<MessageAnswer> Click(int index) const;

private:
    std::vector<Button> FButtons;
    int FFocus = 0;
};

}  // namespace platform
