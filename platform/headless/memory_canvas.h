#pragma once
// A canvas over an RGB image in memory that records every draw: what the tests look at,
// and what the headless game shows into.
#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace platform {

struct CanvasDraw {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t TransparentIndex = -1;
    std::int32_t RowsDrawn = 0;
    // The pixels as given, top row first, Width bytes a row.
    std::vector<std::uint8_t> Pixels;
    friend bool operator==(const CanvasDraw&, const CanvasDraw&) = default;
};

class MemoryCanvas : public Canvas {
public:
    // A target of that size, all black; the palette starts all black too.
    MemoryCanvas(std::int32_t width, std::int32_t height);

    void SelectPalette(const CanvasPalette& palette) override;
    std::int32_t DrawRows(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                          const std::uint8_t* topRow, std::ptrdiff_t rowStep,
                          std::int32_t transparentIndex) override;

    // Recording every draw's pixels costs a copy; benchmarks turn it off.
    void SetKeepPixels(bool keep) { FKeepPixels = keep; }

    std::int32_t Width() const { return FWidth; }
    std::int32_t Height() const { return FHeight; }
    // 0x00RRGGBB at (x, y); 0 off the target.
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) const;
    const std::vector<CanvasDraw>& Draws() const { return FDraws; }
    void ClearDraws() { FDraws.clear(); }
    std::int32_t PaletteSelections() const { return FPaletteSelections; }
    const CanvasPalette& Palette() const { return FPalette; }

private:
    std::int32_t FWidth;
    std::int32_t FHeight;
    std::vector<std::uint32_t> FPixels;
    CanvasPalette FPalette{};
    RgbLookup FLookup{};
    std::vector<CanvasDraw> FDraws;
    std::int32_t FPaletteSelections = 0;
    bool FKeepPixels = true;
};

}  // namespace platform
