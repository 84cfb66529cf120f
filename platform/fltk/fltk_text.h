#pragma once
// Text for FLTK widgets: UTF-8, with the characters FLTK gives a meaning in labels and
// browser lines ('@' symbols, '&' shortcuts) doubled so they show as typed.
#include <string>

#include "foundation/text.h"

namespace platform::fltk {

inline std::string LabelText(const std::u16string& text) {
    std::string out;
    for (char c : Utf16ToUtf8(text)) {
        if (c == '@' || c == '&') out += c;
        out += c;
    }
    return out;
}

}  // namespace platform::fltk
