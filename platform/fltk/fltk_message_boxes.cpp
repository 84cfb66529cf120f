#include "fltk_message_boxes.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_ask.H>

#include "foundation/text.h"

namespace platform::fltk {

// fl_choice answers 0 for its first button and also when the box is closed or Escape is
// pressed, so the first button is always the one a closed box means.
MessageAnswer FltkMessageBoxes::Show(const std::u16string& caption, const std::u16string& text,
                                     MessageButtons buttons, MessageIcon icon) {
    const std::string title = Utf16ToUtf8(caption);
    const std::string message = Utf16ToUtf8(text);
    fl_message_title(title.c_str());
    const char* symbol = "";
    switch (icon) {
        case MessageIcon::None: symbol = ""; break;
        case MessageIcon::Information: symbol = "i"; break;
        case MessageIcon::Question: symbol = "?"; break;
        case MessageIcon::Warning:
        case MessageIcon::Error: symbol = "!"; break;
    }
    // The icon's text is set by fl_choice itself; hiding the box gives "no icon".
    Fl_Widget* iconBox = fl_message_icon();
    if (symbol[0] == '\0') iconBox->hide(); else iconBox->show();

    switch (buttons) {
        case MessageButtons::Ok:
            fl_choice("%s", fl_ok, nullptr, nullptr, message.c_str());
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return fl_choice("%s", fl_no, fl_yes, nullptr, message.c_str()) == 1 ? MessageAnswer::Yes
                                                                                : MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            switch (fl_choice("%s", fl_cancel, fl_yes, fl_no, message.c_str())) {
                case 1: return MessageAnswer::Yes;
                case 2: return MessageAnswer::No;
                default: return MessageAnswer::Cancel;
            }
    }
    return MessageAnswer::Closed;
}

}  // namespace platform::fltk
