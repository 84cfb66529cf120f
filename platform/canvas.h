#pragma once
// Where the engine's 8-bit pictures are shown: rows of palette indices drawn through the
// selected 256-entry palette into an RGB target. The game window's canvas draws into its
// back buffer; the headless canvas into memory, recording every draw for tests.
#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

struct RgbColour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

using CanvasPalette = std::array<RgbColour, 256>;

// Pixel value i shows palette entry i. Draws never overlap: everything runs on one thread.
class Canvas {
public:
    virtual ~Canvas() = default;

    // The palette later draws map pixel values through.
    virtual void SelectPalette(const CanvasPalette& palette) = 0;

    // Draws `height` rows of `width` pixels with the top-left at (x, y), clipped to the
    // target. `topRow` points at the first pixel of the top row; `rowStep` is the distance
    // in bytes to the row beneath it in the picture (negative for bottom-up buffers).
    // Pixels equal to `transparentIndex` (0 to 255) leave the target as it was; -1 draws
    // every pixel. Returns the rows drawn, 0 when nothing could be drawn.
    virtual std::int32_t DrawRows(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                  const std::uint8_t* topRow, std::ptrdiff_t rowStep,
                                  std::int32_t transparentIndex) = 0;
};

// An RGB target of 32-bit pixels 0x00RRGGBB, `stride` pixels from one row to the next.
struct RgbTarget {
    std::uint32_t* Pixels = nullptr;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::ptrdiff_t Stride = 0;
};

// 0x00RRGGBB for each palette entry: one table lookup per pixel when drawing.
using RgbLookup = std::array<std::uint32_t, 256>;
RgbLookup MakeRgbLookup(const CanvasPalette& palette);
inline std::uint32_t PackRgb(RgbColour c) {
    return (std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | std::uint32_t(c.Blue);
}

// The drawing every canvas with an RGB target shares: DrawRows as specified above.
std::int32_t DrawIndexedRows(const RgbTarget& target, const RgbLookup& lookup, std::int32_t x, std::int32_t y,
                             std::int32_t width, std::int32_t height, const std::uint8_t* topRow,
                             std::ptrdiff_t rowStep, std::int32_t transparentIndex);

}  // namespace platform
