#include "memory_canvas.h"

#include <algorithm>

namespace platform {

MemoryCanvas::MemoryCanvas(std::int32_t width, std::int32_t height)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)),
      FPixels(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), 0) {}

void MemoryCanvas::SelectPalette(const CanvasPalette& palette) {
    FPalette = palette;
    FLookup = MakeRgbLookup(palette);
    ++FPaletteSelections;
}

std::int32_t MemoryCanvas::DrawRows(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                    const std::uint8_t* topRow, std::ptrdiff_t rowStep,
                                    std::int32_t transparentIndex) {
    CanvasDraw draw{x, y, width, height, transparentIndex, 0, {}};
    if (FKeepPixels && topRow != nullptr && width > 0 && height > 0) {
        draw.Pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (std::int32_t row = 0; row < height; ++row) {
            const std::uint8_t* p = topRow + row * rowStep;
            draw.Pixels.insert(draw.Pixels.end(), p, p + width);
        }
    }
    const RgbTarget target{FPixels.data(), FWidth, FHeight, FWidth};
    draw.RowsDrawn = DrawIndexedRows(target, FLookup, x, y, width, height, topRow, rowStep, transparentIndex);
    FDraws.push_back(std::move(draw));
    return FDraws.back().RowsDrawn;
}

std::uint32_t MemoryCanvas::PixelAt(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
    return FPixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x)];
}

}  // namespace platform
