#pragma once
// PNG files for the content tools: pictures in, and palette PNGs for comparing the codec.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/ac8/ac8_writer.h"

struct TRgbaPicture {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::vector<std::uint8_t> Pixels;  // 4 bytes a pixel (red, green, blue, alpha), top row first
};

// Reads any PNG as 8-bit RGBA; throws std::runtime_error with libpng's message.
TRgbaPicture ReadPngFile(const std::filesystem::path& path);
// An 8-bit palette PNG of the picture, in memory.
std::vector<std::uint8_t> EncodeIndexedPng(const TAC8Picture& picture, const TAC8SourcePalette& palette);
// Decodes an 8-bit palette PNG's indices into `out` (rows top first, `stride` apart).
// Returns false when the data is not such a PNG of that size.
bool DecodeIndexedPng(const std::uint8_t* data, std::size_t size, std::uint32_t width, std::uint32_t height,
                      std::uint8_t* out, std::size_t stride);
