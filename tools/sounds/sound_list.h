#pragma once
// The names of the sound list (sounds.txt), read by the game's own rule: each line is trimmed
// and cut at its first space, then at its first tab; an empty line or one beginning with '['
// or '#' is not counted. The n-th kept line is wave n, and it names the file <name>.wav.
#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SoundListNames(std::string_view text);

// Throws ContentError unless every name is a plain file name (lower-case letters, digits, '_')
// of at most 8 characters and no name is used twice.
void CheckSoundListNames(const std::vector<std::string>& names, const std::string& source);
