#pragma once
// The one rule for configuration names. A name becomes file names (the `.qel` file and the
// desktop launcher "Zorvik for <name>.desktop"), so it must not be able to leave the folder,
// name a folder, or be too long for the file system.
#include <string>
#include <string_view>

// Blanks and control characters around the name are not part of it.
std::u16string TrimConfigName(std::u16string_view name);
// The trimmed name is not empty, is not "." or "..", holds no "/", "\", double quote,
// control character or unpaired surrogate, and "Zorvik for " + name + ".desktop" fits in
// one file name (255 bytes of UTF-8).
bool IsValidConfigName(std::u16string_view name);
