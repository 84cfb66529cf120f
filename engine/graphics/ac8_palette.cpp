#include "engine/graphics/ac8_palette.h"

#include <algorithm>

#include "engine/graphics/ac8_exception.h"

platform::CanvasPalette TAC8LogicalPalette::Colours() const {
    platform::CanvasPalette colours{};
    for (std::size_t i = 0; i < Entries.size(); ++i)
        colours[i] = platform::RgbColour{Entries[i].Red, Entries[i].Green, Entries[i].Blue};
    return colours;
}

std::unique_ptr<TAC8LogicalPalette> CreateLogicalPalette(std::uint8_t* libraryPalette,
                                                         const platform::ScreenPalette& screen) {
    if (libraryPalette == nullptr) throw AC8Exception("GetHPal: global palette unavailable");
    auto palette = std::make_unique<TAC8LogicalPalette>();
    const auto systemColour = [&](std::int32_t i) {
        const platform::RgbColour c = screen.Entries[static_cast<std::size_t>(i)];
        return TAC8PaletteEntry{c.Red, c.Green, c.Blue, 0};
    };
    for (std::int32_t i = 0; i < 256; ++i) palette->Entries[static_cast<std::size_t>(i)] = systemColour(i);

    // Reserved colours at each end; half of a count that a true-colour screen may report as
    // negative or huge is kept within the palette.
    const std::int32_t n = screen.Static ? std::clamp(screen.ColourCount / 2, 0, 128) : 1;
    for (std::int32_t b = 0; b < n; ++b) {
        for (const std::int32_t i : {b, 255 - b}) {
            const platform::RgbColour c = screen.Entries[static_cast<std::size_t>(i)];
            std::uint8_t* entry = libraryPalette + 4 * i;
            entry[0] = c.Blue;
            entry[1] = c.Green;
            entry[2] = c.Red;
        }
    }
    for (std::int32_t i = n; i <= 255 - n; ++i) {
        const std::uint8_t* entry = libraryPalette + 4 * i;
        palette->Entries[static_cast<std::size_t>(i)] = TAC8PaletteEntry{entry[2], entry[1], entry[0], AC8PaletteNoCollapse};
    }
    if (!screen.Static) {
        palette->Entries[0] = TAC8PaletteEntry{0, 0, 0, 0};
        palette->Entries[255] = TAC8PaletteEntry{255, 255, 255, 0};
    }
    return palette;
}
