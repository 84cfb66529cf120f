#pragma once
// SDL takes UTF-8 text; the game keeps its shown text as UTF-16.
#include <string>

namespace platform {

// Unpaired surrogates become U+FFFD.
std::string SdlUtf8(const std::u16string& text);

}  // namespace platform
