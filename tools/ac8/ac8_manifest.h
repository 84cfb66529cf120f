#pragma once
// The list of named pictures a library is built from: one picture a line,
//   name  file.png  [transparent INDEX]
// with file paths relative to the list's folder; blank lines and '#' lines are skipped.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/png_io.h"

struct TAC8ManifestEntry {
    std::string Name;
    std::filesystem::path File;
    std::optional<std::uint8_t> TransparentColour;
};

// Throws std::runtime_error naming the line of the first fault (bad field, name longer than
// 8 characters, a name listed twice in any letter case).
std::vector<TAC8ManifestEntry> ParseManifest(const std::string& text, const std::filesystem::path& folder,
                                             const std::string& sourceName);

// Maps every pixel to the palette entry of exactly its colour; fully transparent pixels
// become the entry's transparent index. Throws std::runtime_error for a colour the palette
// lacks, partial transparency, or transparency without a transparent index.
TAC8Picture PictureFromRgba(const TRgbaPicture& rgba, const TAC8ManifestEntry& entry, const TAC8SourcePalette& palette);
