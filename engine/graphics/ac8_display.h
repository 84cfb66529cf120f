#pragma once
// Showing pictures on a canvas: the surface's own Display and DisplayDamage are declared
// with the surface (ac8_image_data.h); whole library images are drawn with DrawImageAt.
#include "foundation/geometry.h"

class TAC8Image;

namespace platform {
class Canvas;
}

// Draws the whole image with its top-left at the point, strip by strip from the bottom.
// Only a decoded image (StoredState 2) is drawn; strips marked in use are skipped.
void DrawImageAt(platform::Canvas& canvas, TPoint destination, TAC8Image& image);
