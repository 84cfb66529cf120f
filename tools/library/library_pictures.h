#pragma once
// From the content tools' pictures to what the image library writer stores.
#include <vector>

#include "tools/ac8/ac8_writer.h"
#include "tools/pictures/indexed_picture.h"

class TPalette;

TAC8SourcePalette LibraryPaletteOf(const TPalette& palette);
TAC8Picture LibraryPictureOf(const TIndexedPicture& picture);
