#pragma once
// Writing image records and whole .ac8 libraries: the content build and the tests use it;
// the game itself only reads libraries.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/ac8/ac8_encoder.h"
#include "tools/pictures/indexed_picture.h"

class TStream;

// A colour of the content palette as the tools take it; the file stores blue, green, red, 0.
struct TAC8SourceColour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TAC8SourceColour&, const TAC8SourceColour&) = default;
};
using TAC8SourcePalette = std::array<TAC8SourceColour, 256>;

// Writes one image record at the stream's position, the name cut to 8 bytes as the library
// stores it. Sizes no record can hold (negative ones too) raise AC8Exception; so does a pixel
// vector of the wrong length.
void WriteImageRecord(TStream& out, const TIndexedPicture& picture, TAC8StripCoding coding = TAC8StripCoding::Auto,
                      std::uint32_t tokenWeight = AC8DefaultTokenWeight);

// Header, palette and the records back to back.
void WriteAC8Library(TStream& out, const TAC8SourcePalette& palette, const std::vector<TIndexedPicture>& pictures,
                     TAC8StripCoding coding = TAC8StripCoding::Auto, std::uint32_t tokenWeight = AC8DefaultTokenWeight);
// The same into a file, written beside it first and renamed over it, so a failed build
// never leaves half a library behind.
void SaveAC8Library(const std::filesystem::path& path, const TAC8SourcePalette& palette,
                    const std::vector<TIndexedPicture>& pictures, TAC8StripCoding coding = TAC8StripCoding::Auto,
                    std::uint32_t tokenWeight = AC8DefaultTokenWeight);
