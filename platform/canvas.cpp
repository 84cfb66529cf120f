// Indexed-to-RGB drawing shared by the game window's canvas and the headless one.
#include "canvas.h"

#include <algorithm>

namespace platform {

RgbLookup MakeRgbLookup(const CanvasPalette& palette) {
    RgbLookup lookup{};
    for (std::size_t i = 0; i < palette.size(); ++i) lookup[i] = PackRgb(palette[i]);
    return lookup;
}

std::int32_t DrawIndexedRows(const RgbTarget& target, const RgbLookup& lookup, std::int32_t x, std::int32_t y,
                             std::int32_t width, std::int32_t height, const std::uint8_t* topRow,
                             std::ptrdiff_t rowStep, std::int32_t transparentIndex) {
    if (target.Pixels == nullptr || topRow == nullptr || width <= 0 || height <= 0) return 0;
    // Clip in 64 bits so positions far off the target cannot overflow.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(x) + width, target.Width);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t(y) + height, target.Height);
    if (left >= right || top >= bottom) return 0;

    const std::ptrdiff_t columns = static_cast<std::ptrdiff_t>(right - left);
    const std::uint8_t* source = topRow + (top - y) * rowStep + (left - x);
    std::uint32_t* destination = target.Pixels + top * target.Stride + left;
    for (std::int64_t row = top; row < bottom; ++row) {
        if (transparentIndex < 0) {
            for (std::ptrdiff_t i = 0; i < columns; ++i) destination[i] = lookup[source[i]];
        } else {
            const auto key = static_cast<std::uint8_t>(transparentIndex);
            for (std::ptrdiff_t i = 0; i < columns; ++i)
                if (source[i] != key) destination[i] = lookup[source[i]];
        }
        source += rowStep;
        destination += target.Stride;
    }
    return static_cast<std::int32_t>(bottom - top);
}

}  // namespace platform
