#pragma once
// The game's cursors: numbers 1 to 25, 51 and 69, loaded in a fixed order at start. Their
// pictures are images of the main library; the cursor list "cursors.txt" in the data folder
// names, for each cursor number, the image and its hot spot:
//
//   # number  image     hotX  hotY
//   1         cur_hand  6     1
//
// A missing list is reported as a missing data file is ("Sorry! We cannot find the needed
// file"), a damaged one (a cursor it lacks, a picture the library does not have or that is
// too big or unreadable) in a message naming the list; loading stops there, and the cursors
// not loaded by then stay the system's arrow.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/game_window.h"
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

// A cursor from a library picture: its transparent colour clear, the others opaque through
// the palette, the hot spot kept inside. An empty picture gives an empty cursor.
platform::CursorPicture CursorPictureOf(const class TAC8ImageData& image, const platform::CanvasPalette& palette,
                                        std::int32_t hotX, std::int32_t hotY);
