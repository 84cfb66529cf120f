#pragma once
// The game's cursors: numbers 1 to 25, 51 and 69, loaded in a fixed order at start. Their
// pictures are images of the main library; the cursor list "cursors.txt" in the data folder
// names, for each cursor number, the image and its hot spot:
//
//   # number  image     hotX  hotY
//   1         cur_hand  6     1
//
// Loading stops silently at the first cursor that is missing or cannot be made; the
// cursors not loaded by then stay the system's arrow.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace platform {
class GameWindow;
}
class TAC8Library;

struct TCursorEntry {
    std::string Image;
    std::int32_t HotX = 0;
    std::int32_t HotY = 0;
};

// The entries of a cursor list's text, by cursor number. Lines that are blank, start with
// '#', or do not hold a number, a name of at most 8 characters and two coordinates from 0 to
// 255 are skipped; a later line for the same number replaces an earlier one.
std::map<std::int16_t, TCursorEntry> ParseCursorList(std::string_view text);

// The cursor numbers in the order they are loaded.
inline constexpr std::int16_t kCursorLoadOrder[] = {1,  2,  4,  3,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                                    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 51, 69};

// Reads the data folder's cursor list and defines each cursor on the window, in load order.
// Returns how many were defined.
int LoadGameCursors(platform::GameWindow& window, TAC8Library& library);
