#pragma once
// Message boxes of the utility, shown as FLTK dialogs.
#include "platform/message_boxes.h"

namespace platform::fltk {

class FltkMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                       MessageIcon icon) override;
};

}  // namespace platform::fltk
