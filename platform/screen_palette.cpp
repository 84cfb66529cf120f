#include "screen_palette.h"

namespace platform {

namespace {
const ScreenPalette* gOverride = nullptr;
}

ScreenPalette QueryScreenPalette() {
    if (gOverride != nullptr) return *gOverride;
    ScreenPalette screen;
    screen.Static = false;
    screen.ColourCount = 0;
    screen.Entries[255] = RgbColour{255, 255, 255};
    return screen;
}

void OverrideScreenPalette(const ScreenPalette* palette) { gOverride = palette; }

}  // namespace platform
