#pragma once
// The saved game: one file per child in the game folder holding every room's state. The
// world reads it once at start and writes it once at the end (TWorld::LoadGame, SaveGame);
// this file keeps what the file looks like.
//
// Layout (little-endian): the UTF-16 code units "Q", "E", "S", the version (9), a state byte
// (1), then one record per room in the world's room order, each written by the room itself.
#include <cstdint>
#include <string>
#include <string_view>

class TStream;

inline constexpr std::uint16_t kSavedGameVersion = 9;
inline constexpr std::int64_t kSavedGameHeaderSize = 9;

// The saved game of a configuration: in the game folder, the configuration file's stem (the
// trimmed name with a capital first letter) with ".qeg"; an existing file whose name
// differs only in letter case is the one returned. An invalid name, or no game folder, has
// no file (empty).
std::string SavedGamePath(std::u16string_view playerName);

// The name a saved game that could not be read is moved to, so that it is never overwritten.
std::string DamagedSavedGamePath(const std::string& path);

struct TSavedGameHeader {
    bool Accepted = false;      // our magic and a version we can read
    std::uint8_t Version = 9;   // the file's version when below 9, else 9
    std::uint8_t State = 0;
};

// A stream shorter than the header is a foreign file, as is a wrong magic or a version
// above ours; nothing is read from such a file.
TSavedGameHeader ReadSavedGameHeader(TStream& s);
void WriteSavedGameHeader(TStream& s, std::uint8_t state);
