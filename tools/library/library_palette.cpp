#include "tools/library/library_palette.h"

#include "tools/common/palette.h"

TAC8SourcePalette LibraryPaletteOf(const TPalette& palette) {
    TAC8SourcePalette colours{};
    for (int i = 0; i < TPalette::kSize; ++i) {
        const TRgb c = palette.Colour(i);
        colours[static_cast<std::size_t>(i)] = TAC8SourceColour{c.r, c.g, c.b};
    }
    return colours;
}
