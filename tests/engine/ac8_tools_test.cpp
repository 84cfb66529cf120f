// The library builder's inputs: the palette file, the picture list and the mapping of PNG
// pictures to palette indices.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tools/ac8/ac8_manifest.h"
#include "tools/ac8/palette_file.h"
#include "tools/ac8/png_io.h"
#include "tools/ac8/sample_pictures.h"

namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "no error";
}

std::string PaletteText(int entries) {
    std::string text = "# ramps\n";
    for (int i = 0; i < entries; ++i) text += std::to_string(i) + " " + std::to_string(255 - i) + " 7\n";
    return text;
}

TEST(AC8Tools, PaletteFileNeedsExactly256Colours) {
    const TAC8SourcePalette palette = ParsePalette(PaletteText(256), "pal.txt");
    EXPECT_EQ(palette[3], (TAC8SourceColour{3, 252, 7}));
    EXPECT_EQ(ErrorOf([] { ParsePalette(PaletteText(255), "pal.txt"); }), "pal.txt: 255 colours, expected 256");
    EXPECT_EQ(ErrorOf([] { ParsePalette(PaletteText(257), "pal.txt"); }), "pal.txt:258: more than 256 colours");
    EXPECT_EQ(ErrorOf([] { ParsePalette("1 2 300\n", "p"); }), "p:1: expected three values from 0 to 255");
    EXPECT_EQ(ErrorOf([] { ParsePalette("1 2\n", "p"); }), "p:1: expected three values from 0 to 255");
    EXPECT_EQ(ErrorOf([] { ParsePalette("1 2 3 4\n", "p"); }), "p:1: expected three values from 0 to 255");
}

TEST(AC8Tools, ManifestNamesPicturesOnce) {
    const auto entries = ParseManifest("# room pictures\nlivroom living.png\n\nstar star.png transparent 0\n",
                                       "content", "list.txt");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].File, std::filesystem::path("content/living.png"));
    EXPECT_FALSE(entries[0].TransparentColour);
    EXPECT_EQ(entries[1].TransparentColour, 0);
    EXPECT_EQ(ErrorOf([] { ParseManifest("a a.png\nA b.png\n", "", "l"); }), "l:2: the name \"A\" is listed twice");
    EXPECT_EQ(ErrorOf([] { ParseManifest("ninechars a.png\n", "", "l"); }), "l:1: image names have at most 8 characters");
    EXPECT_EQ(ErrorOf([] { ParseManifest("a\n", "", "l"); }), "l:1: expected a name and a picture file");
    EXPECT_EQ(ErrorOf([] { ParseManifest("a a.png transparent 256\n", "", "l"); }),
              "l:1: expected \"transparent\" and an index from 0 to 255");
    EXPECT_EQ(ErrorOf([] { ParseManifest("a a.png opaque\n", "", "l"); }),
              "l:1: expected \"transparent\" and an index from 0 to 255");
}

TEST(AC8Tools, PngPicturesMapToExactPaletteColours) {
    const TAC8SourcePalette palette = MakeSamplePalette();
    const TAC8Picture picture = MakeSamplePicture(4, 40, 30, "toy");
    const auto folder = std::filesystem::temp_directory_path() / "ac8_tools_test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "toy.png";
    const auto png = EncodeIndexedPng(picture, palette);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));

    const TRgbaPicture rgba = ReadPngFile(path);
    const TAC8ManifestEntry entry{"toy", path, std::nullopt};
    EXPECT_EQ(PictureFromRgba(rgba, entry, palette).Pixels, picture.Pixels);

    // Indices decoded straight from the PNG agree as well.
    std::vector<std::uint8_t> indices(40 * 30);
    ASSERT_TRUE(DecodeIndexedPng(png.data(), png.size(), 40, 30, indices.data(), 40));
    EXPECT_EQ(indices, picture.Pixels);
    EXPECT_FALSE(DecodeIndexedPng(png.data(), png.size() / 2, 40, 30, indices.data(), 40));

    TRgbaPicture odd = rgba;
    odd.Pixels[4 * 5 + 0] ^= 1;  // pixel (5, 0) no longer a palette colour
    EXPECT_NE(ErrorOf([&] { PictureFromRgba(odd, entry, palette); }).find("at (5, 0) is not in the palette"),
              std::string::npos);
    odd = rgba;
    odd.Pixels[3] = 0;  // transparent without a transparent index
    EXPECT_NE(ErrorOf([&] { PictureFromRgba(odd, entry, palette); }).find("no transparent index"), std::string::npos);
    const TAC8ManifestEntry keyed{"toy", path, std::uint8_t{9}};
    EXPECT_EQ(PictureFromRgba(odd, keyed, palette).Pixels[0], 9);
    odd.Pixels[3] = 128;
    EXPECT_NE(ErrorOf([&] { PictureFromRgba(odd, keyed, palette); }).find("partly transparent"), std::string::npos);
    std::filesystem::remove_all(folder);
}

}  // namespace
