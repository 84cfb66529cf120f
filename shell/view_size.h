#pragma once
// The program-wide size of the play area's view picture: 512 by 320, or 514 by 322 while a
// full-frame room is shown. The world changes it; rooms read it (a room's width starts as
// the view width, and scrolling keeps the view inside the room's picture).
#include <cstdint>

inline constexpr std::int32_t kNormalViewWidth = 512;
inline constexpr std::int32_t kNormalViewHeight = 320;
inline constexpr std::int32_t kFullFrameViewWidth = 514;
inline constexpr std::int32_t kFullFrameViewHeight = 322;

std::int32_t ViewWidth();
std::int32_t ViewHeight();
void SetViewSize(std::int32_t width, std::int32_t height);
