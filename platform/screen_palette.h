#pragma once
// What the screen reserves of its palette, for building the game's logical palette.
// Palette displays keep some colours for the system ("static" colours at both ends);
// Linux displays have no hardware palette, so the answer there is non-static with black
// at entry 0 and white at entry 255. Tests replace the answer.
#include <cstdint>

#include "canvas.h"

namespace platform {

struct ScreenPalette {
    bool Static = false;            // the system keeps colours at both ends
    std::int32_t ColourCount = 0;   // colours the system reserves in all (both ends together)
    CanvasPalette Entries{};        // the system palette
};

ScreenPalette QueryScreenPalette();
// Replaces the answer of QueryScreenPalette; nullptr restores the platform's. Not owned.
void OverrideScreenPalette(const ScreenPalette* palette);

}  // namespace platform
