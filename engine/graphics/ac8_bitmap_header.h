#pragma once
// The header a shown surface is drawn with. Pixel value i always selects entry i of the
// palette selected into the canvas, so no colour table is needed; the header records the
// geometry of the last draw and marks a surface as one that may be displayed.
#include <cstdint>

struct TAC8BitmapHeader {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint32_t ImageSize = 0;
};

// The one header of the program, handed to every library surface.
TAC8BitmapHeader& SharedBitmapHeader();
