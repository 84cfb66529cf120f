#pragma once
// Pictures for the main window made in code: each is one colour, or one colour per cell, so
// what a button or the garland shows tells which cell it came from. Palette entry i shows
// as (i, 255 - i, i / 2).
#include <cstdint>
#include <string>
#include <vector>

#include <filesystem>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/picture_handles.h"
#include "tests/support/test_house.h"
#include "tools/ac8/ac8_writer.h"

namespace testing_support::window_pictures {

// Colours of the window's pictures.
inline constexpr std::uint8_t kTileColour = 200;
inline constexpr std::uint8_t kEdgeColour = 50;       // + row
inline constexpr std::uint8_t kFaceColour = 60;       // + row
inline constexpr std::uint8_t kActionColour = 100;    // + row * 3 + column
inline constexpr std::uint8_t kGarlandColour = 150;   // corner; + 1 east-west, + 2 north-south
inline constexpr std::uint8_t kGarlandHole = 0;       // transparent

inline std::uint32_t Shown(std::uint8_t index) {
    return (std::uint32_t(index) << 16) | (std::uint32_t(255 - index) << 8) | std::uint32_t(index / 2);
}

inline TIndexedPicture Cells(const std::string& name, std::uint32_t cellW, std::uint32_t cellH, std::uint32_t cols,
                         std::uint32_t rows, std::uint8_t first, std::uint8_t colStep, std::uint8_t rowStep) {
    const std::uint32_t width = cellW * cols;
    const std::uint32_t height = cellH * rows;
    TIndexedPicture p{name, int(width), int(height), {}, false, 0};
    p.pixels.resize(std::size_t(width) * height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            p.pixels[std::size_t(y) * width + x] =
                std::uint8_t(first + (x / cellW) * colStep + (y / cellH) * rowStep);
    return p;
}

// A picture with a transparent hole in the middle, as the garland pieces have.
inline TIndexedPicture Holed(const std::string& name, std::uint32_t w, std::uint32_t h, std::uint8_t colour) {
    TIndexedPicture p{name, int(w), int(h), std::vector<std::uint8_t>(std::size_t(w) * h, colour), true, kGarlandHole};
    for (std::uint32_t y = h / 4; y < h - h / 4; ++y)
        for (std::uint32_t x = w / 4; x < w - w / 4; ++x) p.pixels[std::size_t(y) * w + x] = kGarlandHole;
    return p;
}

inline std::vector<TIndexedPicture> MainWindowPictures() {
    return {
        Cells("tile", 16, 16, 1, 1, kTileColour, 0, 0),
        Holed("glnd_cnr", 200, 200, kGarlandColour),
        Holed("glnd_ew", 100, 300, kGarlandColour + 1),
        Holed("glnd_ns", 500, 100, kGarlandColour + 2),
        Cells("abt_btn", 56, 34, 1, 2, 30, 0, 1),
        Cells("tutr_btn", 119, 34, 1, 2, 40, 0, 1),
        Cells("rb_edge", 60, 60, 1, 3, kEdgeColour, 0, 1),
        Cells("rb_face", 43, 43, 1, 8, kFaceColour, 0, 1),
        Cells("actbtns", 60, 60, 3, 5, kActionColour, 1, 3),
    };
}

inline TAC8SourcePalette RevealingPalette() {
    TAC8SourcePalette palette{};
    for (int i = 0; i < 256; ++i)
        palette[std::size_t(i)] = TAC8SourceColour{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
    return palette;
}

// The test house's pictures and the window's in one library file.
inline void WriteGameLibrary(const std::filesystem::path& path) {
    const std::filesystem::path house = path.parent_path() / "house.ac8";
    testing_support::WriteTestHouseLibrary(house);
    std::vector<TIndexedPicture> pictures = MainWindowPictures();
    {
        TAC8Library library;
        library.Open(house);
        for (const std::string& name : library.ImageNames()) {
            const TPictureHandle held(library, AC8ImageName(name));
            const TAC8ImageData& image = *held;
            TIndexedPicture p{name, image.Width(), image.Height(), {}, false, 0};
            for (std::int32_t y = 0; y < image.Height(); ++y)
                for (std::int32_t x = 0; x < image.Width(); ++x) p.pixels.push_back(image.GetPixel(TPoint{x, y}));
            pictures.push_back(std::move(p));
        }
    }
    std::filesystem::remove(house);
    SaveAC8Library(path, RevealingPalette(), pictures);
}

}  // namespace testing_support::window_pictures
