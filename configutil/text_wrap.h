#pragma once
// Breaking a message into lines for a box of fixed width. The toolkit only measures; the
// rule lives here so that it can be tested without a display.
#include <functional>
#include <string>
#include <string_view>

namespace configutil {

// Width in pixels of a piece of UTF-8 text in the box's font.
using TMeasureText = std::function<int(std::string_view)>;

// The UTF-8 text with line breaks added so that no line is wider than `maxWidth`: lines
// break at blanks, and a word wider than the whole line (a long name, a path) is broken
// between its characters, never inside one. The text's own line breaks stay.
std::string WrapText(std::string_view text, int maxWidth, const TMeasureText& measure);

}  // namespace configutil
