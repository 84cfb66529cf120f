#pragma once
// The small modal dialog in which the settings window asks for a recipient name.
#include <string>

namespace platform::fltk {

// Shows the dialog with that caption and text; on OK stores the edited text and answers
// true. OK is enabled only while the text is not empty (blanks count as text).
bool EditNameDialog(const std::u16string& caption, std::u16string& name);

}  // namespace platform::fltk
