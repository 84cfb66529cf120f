#include "view_size.h"

namespace {
std::int32_t gViewWidth = kNormalViewWidth;
std::int32_t gViewHeight = kNormalViewHeight;
}  // namespace

std::int32_t ViewWidth() { return gViewWidth; }
std::int32_t ViewHeight() { return gViewHeight; }

void SetViewSize(std::int32_t width, std::int32_t height) {
    gViewWidth = width;
    gViewHeight = height;
}
