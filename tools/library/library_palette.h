#pragma once
// The content palette as the image library writer stores it.
#include "tools/ac8/ac8_writer.h"

class TPalette;

TAC8SourcePalette LibraryPaletteOf(const TPalette& palette);
