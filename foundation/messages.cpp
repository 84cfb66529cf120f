#include "messages.h"

#include "platform/message_boxes.h"

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {
MessageAnswer Ask(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                  MessageIcon icon) {
    platform::MessageBoxes* boxes = platform::InstalledMessageBoxes();
    return boxes == nullptr ? MessageAnswer::Closed : boxes->Show(caption, text, buttons, icon);
}

TStringTableLookup gStringTable = nullptr;
}  // namespace

void ShowInfo(const std::u16string& caption, const std::u16string& text) {
    Ask(caption, text, MessageButtons::Ok, MessageIcon::None);
}

bool AskYesNo(const std::u16string& caption, const std::u16string& text) {
    return Ask(caption, text, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

int AskYesNoCancel(const std::u16string& caption, const std::u16string& text) {
    switch (Ask(caption, text, MessageButtons::YesNoCancel, MessageIcon::Question)) {
        case MessageAnswer::Yes: return 2;
        case MessageAnswer::No: return 1;
        default: return 0;
    }
}

void RegisterStringTable(TStringTableLookup lookup) { gStringTable = lookup; }

std::u16string LoadTableString(std::uint16_t id) {
    if (gStringTable == nullptr) return {};
    std::u16string text = gStringTable(id);
    if (text.size() > 255) text.resize(255);
    return text;
}
