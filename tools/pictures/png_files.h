#pragma once
// PNG reading and writing for the picture tool (libpng's simplified interface).
#include <cstdint>
#include <filesystem>
#include <vector>

struct TIndexedPicture;
class TPalette;

struct TRgbaImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;  // 4 bytes a pixel, rows from the top down
};

// Throws ContentError when the file is missing or not a PNG.
TRgbaImage ReadPngFile(const std::filesystem::path& path);
// An indexed (palette) PNG of the picture, its transparent colour see-through: what the game
// will show, for people to look at.
void WriteIndexedPng(const std::filesystem::path& path, const TIndexedPicture& picture, const TPalette& palette);
