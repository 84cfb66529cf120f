#pragma once
// The sizes of the play area's view picture: 512 by 320, or 514 by 322 while a full-frame
// room is shown (the game context keeps the size in force).
#include <cstdint>

inline constexpr std::int32_t kNormalViewWidth = 512;
inline constexpr std::int32_t kNormalViewHeight = 320;
inline constexpr std::int32_t kFullFrameViewWidth = 514;
inline constexpr std::int32_t kFullFrameViewHeight = 322;
