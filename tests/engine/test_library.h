#pragma once
// An image library written by the test into a folder of its own and opened. Palette entry i
// is (i, 255 - i, 0), so a shown colour tells which index it came from.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/graphics/ac8_library.h"
#include "tests/support/temp_folder.h"
#include "tools/ac8/ac8_writer.h"

inline TAC8SourcePalette IndexRevealingPalette() {
    TAC8SourcePalette palette;
    for (int i = 0; i < 256; ++i)
        palette[static_cast<std::size_t>(i)] = TAC8SourceColour{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 0};
    return palette;
}

// 0x00RRGGBB of index i as the canvas shows it (entries 0 and 255 are black and white).
inline std::uint32_t ShownColour(std::uint8_t index) {
    if (index == 0) return 0x000000;
    if (index == 255) return 0xFFFFFF;
    return (std::uint32_t(index) << 16) | (std::uint32_t(255 - index) << 8);
}

inline TIndexedPicture SolidPicture(const std::string& name, std::uint32_t w, std::uint32_t h, std::uint8_t colour) {
    return TIndexedPicture{name, int(w), int(h), std::vector<std::uint8_t>(std::size_t(w) * h, colour), false, 0};
}

class TTestLibrary {
public:
    // Test programs of other builds may run the same test at the same time, so the file
    // is not named after the test.
    explicit TTestLibrary(const std::vector<TIndexedPicture>& pictures) {
        const std::filesystem::path path = FFolder.Path() / "pictures.ac8";
        SaveAC8Library(path, IndexRevealingPalette(), pictures);
        Library.Open(path);
    }
    ~TTestLibrary() { Library.Close(); }

private:
    testing_support::TempFolder FFolder;

public:
    TAC8Library Library;
};
