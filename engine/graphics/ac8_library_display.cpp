// The library's share of showing pictures: whole images on a canvas and the palette
// they are shown through.
#include "engine/graphics/ac8_display.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "platform/screen_palette.h"

void TAC8Library::DrawImageAt(platform::Canvas& canvas, TPoint destination, TImageNode* node) {
    if (node != nullptr && node->Image) ::DrawImageAt(canvas, destination, *node->Image);
}

const TAC8LogicalPalette* TAC8Library::GetHPal() {
    if (!FPaletteHandle)
        FPaletteHandle = CreateLogicalPalette(FPalette ? FPalette->data() : nullptr, platform::QueryScreenPalette());
    return FPaletteHandle.get();
}
