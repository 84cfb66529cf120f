#include "platform/message_box_model.h"

namespace platform {

MessageBoxModel::MessageBoxModel(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        FButtons = {{MessageAnswer::Ok, "OK"}};
        break;
    case MessageButtons::YesNo:
        FButtons = {{MessageAnswer::Yes, "Yes"}, {MessageAnswer::No, "No"}};
        break;
    case MessageButtons::YesNoCancel:
        FButtons = {{MessageAnswer::Yes, "Yes"}, {MessageAnswer::No, "No"}, {MessageAnswer::Cancel, "Cancel"}};
        break;
    }
}

std::optional<MessageAnswer> MessageBoxModel::Key(BoxKey key) {
    const int count = static_cast<int>(FButtons.size());
    switch (key) {
    case BoxKey::Enter:
    case BoxKey::Space:
        return FButtons[static_cast<std::size_t>(FFocus)].Answer;
    case BoxKey::Escape:
        return FButtons.back().Answer;
    case BoxKey::Left:
        if (FFocus > 0) --FFocus;
        return std::nullopt;
    case BoxKey::Right:
        if (FFocus + 1 < count) ++FFocus;
        return std::nullopt;
    case BoxKey::Tab:
        FFocus = (FFocus + 1) % count;
        return std::nullopt;
    case BoxKey::ShiftTab:
        FFocus = (FFocus + count - 1) % count;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<MessageAnswer> MessageBoxModel::Click(int index) const {
    if (index < 0 || index >= static_cast<int>(FButtons.size())) return std::nullopt;
    return FButtons[static_cast<std::size_t>(index)].Answer;
}

}  // namespace platform
