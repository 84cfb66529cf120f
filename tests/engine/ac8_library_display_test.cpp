// The library's palette handle and whole-image drawing, over a library file on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "platform/headless/memory_canvas.h"
#include "tests/support/temp_folder.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/sample_pictures.h"

namespace {

namespace fs = std::filesystem;

TEST(AC8LibraryDisplay, PaletteHandleIsBuiltAtOpenAndDrawsThroughIt) {
    const testing_support::TempFolder folder;
    const fs::path path = folder.Path() / "display.ac8";
    const TAC8SourcePalette source = MakeSamplePalette();
    std::vector<std::uint8_t> pixels(std::size_t(20) * 300);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(1 + i % 200);
    SaveAC8Library(path, source, {TIndexedPicture{"tall", 20, 300, pixels, false, 0}});

    TAC8Library library;
    library.Open(path);
    const TAC8LogicalPalette* palette = library.GetHPal();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(library.GetHPal(), palette);
    EXPECT_EQ(palette->Entries[0], (TAC8PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(palette->Entries[255], (TAC8PaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(palette->Entries[7], (TAC8PaletteEntry{source[7].Red, source[7].Green, source[7].Blue, AC8PaletteNoCollapse}));
    // The open also gave the library's own palette block the screen's black and white.
    EXPECT_EQ((*library.Palette())[1020], 255);
    EXPECT_EQ((*library.Palette())[0], 0);

    platform::MemoryCanvas canvas(40, 320);
    canvas.SelectPalette(palette->Colours());
    TImageNode* node = library.LoadImageNamed("TALL");
    library.DrawImageAt(canvas, {10, 10}, node);
    EXPECT_EQ(canvas.Draws().size(), node->Image->SegmentCount());
    const TAC8SourceColour first = source[pixels[0]];  // pictures are given top row first
    EXPECT_EQ(canvas.PixelAt(10, 10), platform::PackRgb({first.Red, first.Green, first.Blue}));
    library.DrawImageAt(canvas, {0, 0}, nullptr);  // no node: nothing
    library.ReleaseImage(node);

    library.Close();
    EXPECT_THROW(library.GetHPal(), AC8Exception);
    fs::remove(path);
}

}  // namespace
