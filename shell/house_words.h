#pragma once
// The rooms of the house the shell names, and the words the end of a song sends them. Spelt
// once here: the shell takes them from here, and so do the words files of the rooms that
// answer to them.
#include <string_view>

#include "shell/room_words.h"

namespace house_words {
// Rooms.
inline constexpr std::string_view kLivingRoom = "LIVING";
inline constexpr std::string_view kJukeboxRoom = "JUKEBOX";
inline constexpr std::string_view kWorkshopRoom = "WORKSHOP";
inline constexpr std::string_view kPuzzleRoom = "PUZZLE";
inline constexpr std::string_view kDarkRoom = "DARK";
inline constexpr std::string_view kGiftScreen = "GIFT";
// What the end of a song sends.
inline constexpr std::string_view kMusicEnded = room_words::kMusicEnded;  // any song: the living room, the workshop
inline constexpr std::string_view kScrambleEnded = "ENDSCRAMBLE";         // song 2, to the puzzle room
inline constexpr std::string_view kLamp = "LAMP";                         // song 13, to the dark room: light again
inline constexpr std::string_view kGiftSongEnded = "MUSIC";               // any song, to the gift screen
}  // namespace house_words
