// The integer scale of the game window's client area.
#include <algorithm>

#include "platform/game_window.h"

namespace platform {

WindowScale ComputeWindowScale(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t minWidth,
                               std::int32_t minHeight) {
    WindowScale result;
    screenWidth = std::max(screenWidth, 1);
    screenHeight = std::max(screenHeight, 1);
    minWidth = std::max(minWidth, 1);
    minHeight = std::max(minHeight, 1);
    // Whole screen pixels per logical pixel keep the 8-bit pictures sharp.
    result.Scale = std::max(1, std::min(screenWidth / minWidth, screenHeight / minHeight));
    result.LogicalWidth = screenWidth / result.Scale;
    result.LogicalHeight = screenHeight / result.Scale;
    result.OffsetX = (screenWidth - result.LogicalWidth * result.Scale) / 2;
    result.OffsetY = (screenHeight - result.LogicalHeight * result.Scale) / 2;
    return result;
}

}  // namespace platform
