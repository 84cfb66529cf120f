#include "tools/library/library_pictures.h"

#include "tools/common/palette.h"

TAC8SourcePalette LibraryPaletteOf(const TPalette& palette) {
    TAC8SourcePalette colours{};
    for (int i = 0; i < TPalette::kSize; ++i) {
        const TRgb c = palette.Colour(i);
        colours[static_cast<std::size_t>(i)] = TAC8SourceColour{c.r, c.g, c.b};
    }
    return colours;
}

TAC8Picture LibraryPictureOf(const TIndexedPicture& picture) {
    TAC8Picture out;
    out.Name = AC8ImageName(picture.name);
    out.Width = static_cast<std::uint32_t>(picture.width);
    out.Height = static_cast<std::uint32_t>(picture.height);
    out.Pixels = picture.pixels;
    out.HasTransparency = picture.hasTransparency;
    out.TransparentColour = picture.transparentColour;
    return out;
}
