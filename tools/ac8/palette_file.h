#pragma once
// The content palette: a text file of 256 lines "red green blue" (0 to 255 each); blank
// lines and lines starting with '#' are skipped.
#include <filesystem>
#include <string>

#include "tools/ac8/ac8_writer.h"

// Throws std::runtime_error naming the file and line of the first fault.
TAC8SourcePalette ReadPaletteFile(const std::filesystem::path& path);
TAC8SourcePalette ParsePalette(const std::string& text, const std::string& sourceName);
