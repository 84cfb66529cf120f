#pragma once
// Message boxes of the utility, shown as FLTK dialogs: the text wraps at a fixed width so
// that a long name never pushes the buttons off the screen, Enter answers the first button
// (OK or Yes), Tab and Space reach every button, Alt+Y and Alt+N answer Yes and No, and
// Escape closes the box.
#include "platform/message_boxes.h"

namespace platform::fltk {

class FltkMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                       MessageIcon icon) override;
};

}  // namespace platform::fltk
