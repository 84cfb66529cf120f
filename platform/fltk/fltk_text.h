#pragma once
// Text for FLTK widgets: UTF-8, with the characters FLTK gives a meaning in labels doubled
// so they show as typed. '@' starts a symbol in every label; '&' marks a shortcut letter
// only in the labels of controls (buttons, check boxes), while plain boxes show it as it is.
#include <string>

#include "foundation/text.h"

namespace platform::fltk {

// The caption of a control: '@' and '&' doubled.
inline std::string LabelText(const std::u16string& text) {
    std::string out;
    for (char c : Utf16ToUtf8(text)) {
        if (c == '@' || c == '&') out += c;
        out += c;
    }
    return out;
}

// The text of a plain box (a message, a name shown in a label): '@' doubled only.
inline std::string BoxText(const std::u16string& text) {
    std::string out;
    for (char c : Utf16ToUtf8(text)) {
        if (c == '@') out += c;
        out += c;
    }
    return out;
}

}  // namespace platform::fltk
