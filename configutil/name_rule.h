#pragma once
// The name dialog's rule: any text that is not empty, blanks included, is a recipient name.
#include <string_view>

namespace configutil {

inline bool NameDialogAccepts(std::u16string_view text) { return !text.empty(); }

}  // namespace configutil
