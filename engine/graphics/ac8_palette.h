#pragma once
// The logical palette the game's pictures are shown through: the library's 256 colours,
// except where the screen keeps colours of its own at both ends of its palette.
#include <array>
#include <cstdint>
#include <memory>

#include "platform/canvas.h"
#include "platform/screen_palette.h"

// The entry may not be matched to another entry with the same colour.
inline constexpr std::uint8_t AC8PaletteNoCollapse = 0x04;
inline constexpr std::uint16_t AC8LogicalPaletteVersion = 0x300;

struct TAC8PaletteEntry {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::uint8_t Flags = 0;
    friend bool operator==(const TAC8PaletteEntry&, const TAC8PaletteEntry&) = default;
};

struct TAC8LogicalPalette {
    std::uint16_t Version = AC8LogicalPaletteVersion;
    std::array<TAC8PaletteEntry, 256> Entries{};

    // The colours as a canvas takes them: pixel value i shows entry i.
    platform::CanvasPalette Colours() const;
};

// Builds the logical palette from the library's palette block (256 entries of blue, green,
// red, reserved) and the screen's reserved colours. The block itself takes the reserved
// colours too, so pictures drawn from it agree with the screen. A null block raises
// "GetHPal: global palette unavailable".
std::unique_ptr<TAC8LogicalPalette> CreateLogicalPalette(std::uint8_t* libraryPalette,
                                                         const platform::ScreenPalette& screen);
