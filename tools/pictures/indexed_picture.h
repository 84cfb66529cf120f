#pragma once
// One picture of the game in palette indices: what the picture, font and slate tools make,
// what the image library writer stores and what tests build libraries from. It names no
// engine type, so the content tools stay free of the engine.
#include <cstdint>
#include <string>
#include <vector>

struct TIndexedPicture {
    std::string name;  // image name: at most 8 characters, lower case
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width × height, row 0 is the top row, no padding
    bool hasTransparency = false;
    std::uint8_t transparentColour = 0;  // meaningful when hasTransparency

    std::uint8_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};
