#include "engine/graphics/library_palette.h"

#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"

platform::CanvasPalette LibraryCanvasPalette(TAC8Library& library) {
    auto* block = library.Palette();
    return CreateLogicalPalette(block == nullptr ? nullptr : block->data(), platform::QueryScreenPalette())->Colours();
}
