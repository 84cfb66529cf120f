#pragma once
// The words of the options panel (TDiskOpsRoom): its buttons, each a control box named by
// one character, and the room it tells apart where it was entered from.
#include <cstddef>
#include <string_view>

namespace disk_ops_words {
// Boxes.
inline constexpr char kSaveButton = 'S';
inline constexpr char kMusicButton = 'M';
inline constexpr char kSoundsButton = 'F';
inline constexpr char kLeaveButton = 'X';
inline constexpr char kRestoreButton = 'R';
inline constexpr char kCancelButton = 'C';
// Rooms.
inline constexpr std::string_view kTitleRoom = "TITLE";
}  // namespace disk_ops_words

// Every box of the panel in the order of the sheet's faces: the eight slots '1' to '8', then
// the buttons.
inline constexpr char kDiskOpsButtons[] = {'1', '2', '3', '4', '5', '6', '7', '8',
                                           disk_ops_words::kSaveButton,    disk_ops_words::kMusicButton,
                                           disk_ops_words::kSoundsButton,  disk_ops_words::kLeaveButton,
                                           disk_ops_words::kRestoreButton, disk_ops_words::kCancelButton,
                                           '\0'};
inline constexpr std::size_t kDiskOpsButtonCount = 14;
inline constexpr std::size_t kDiskOpsSlotCount = 8;
static_assert(sizeof kDiskOpsButtons == kDiskOpsButtonCount + 1);
