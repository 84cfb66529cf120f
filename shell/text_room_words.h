#pragma once
// The words of the text pages (TTextRoom) and of the entry page (TEntryTextRoom): the boxes
// their init-script lines declare and their RunScript looks for, the marks of a page's ID
// and the rooms the entry page leads to.
#include <string_view>

namespace text_room_words {
// Boxes, so named in the init script; a room-script box reports back under its name as the sender.
inline constexpr std::string_view kExitBox = "EXIT";  // a help page's way back; the entry page's "Let's play!"
inline constexpr std::string_view kViewBox = "VIEW";  // the entry page's switch between text and picture
// Marks in a page's ID: it has a previous page, a next page.
inline constexpr char kPreviousPageMark = '<';
inline constexpr char kNextPageMark = '>';
// Rooms.
inline constexpr std::string_view kHouseEntrance = "DARK";   // where "Let's play!" leads
inline constexpr std::string_view kGrownUpsHelp = "HBTEXT";  // where the entry page's tutor word leads
}  // namespace text_room_words
