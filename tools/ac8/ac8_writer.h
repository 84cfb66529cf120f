#pragma once
// Writing image records and whole .ac8 libraries: the content build and the tests use it;
// the game itself only reads libraries.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "engine/graphics/ac8_image_name.h"
#include "tools/ac8/ac8_encoder.h"

class TStream;

// An 8-bit picture as the tools see it: rows top to bottom, Width bytes each, no padding.
struct TAC8Picture {
    AC8ImageName Name;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::vector<std::uint8_t> Pixels;
    std::uint8_t TransparentColour = 0;
    bool HasTransparency = false;
};

// A colour of the content palette as the tools take it; the file stores blue, green, red, 0.
struct TAC8SourceColour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TAC8SourceColour&, const TAC8SourceColour&) = default;
};
using TAC8SourcePalette = std::array<TAC8SourceColour, 256>;

// Writes one image record at the stream's position. Sizes no record can hold raise
// AC8Exception; so does a pixel vector of the wrong length.
void WriteImageRecord(TStream& out, const TAC8Picture& picture, TAC8StripCoding coding = TAC8StripCoding::Auto,
                      std::uint32_t tokenWeight = AC8DefaultTokenWeight);

// Header, palette and the records back to back.
void WriteAC8Library(TStream& out, const TAC8SourcePalette& palette, const std::vector<TAC8Picture>& pictures,
                     TAC8StripCoding coding = TAC8StripCoding::Auto, std::uint32_t tokenWeight = AC8DefaultTokenWeight);
// The same into a file, written beside it first and renamed over it, so a failed build
// never leaves half a library behind.
void SaveAC8Library(const std::filesystem::path& path, const TAC8SourcePalette& palette,
                    const std::vector<TAC8Picture>& pictures, TAC8StripCoding coding = TAC8StripCoding::Auto,
                    std::uint32_t tokenWeight = AC8DefaultTokenWeight);
