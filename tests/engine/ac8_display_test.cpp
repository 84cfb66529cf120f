// Showing surfaces and images on a canvas, strip by strip, and building the palette they are
// shown through.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "engine/graphics/ac8_display.h"
#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_palette.h"
#include "foundation/stream.h"
#include "platform/headless/memory_canvas.h"
#include "platform/screen_palette.h"
#include "surface_test_support.h"

namespace {

using platform::CanvasDraw;
using platform::MemoryCanvas;
using surface_test::Picture;
using surface_test::Read;
using surface_test::TestSurface;

platform::CanvasPalette GreyPalette() {
    platform::CanvasPalette palette{};
    for (int i = 0; i < 256; ++i) palette[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
    return palette;
}

// The pixels a draw was given, as rows of the picture.
std::vector<std::uint8_t> RowsOf(const Picture& p, int left, int top, int width, int height) {
    std::vector<std::uint8_t> rows;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) rows.push_back(p.At(x, y));
    return rows;
}

TEST(AC8Display, RectangleAcrossTwoStripsIsDrawnInTwoStackedPieces) {
    std::mt19937 rng(8);
    TestSurface s(512, 320, true);  // strips of 107, 107 and 106 rows from the bottom
    surface_test::FillRandom(rng, *s, 256);
    const Picture pic = Read(*s);
    MemoryCanvas canvas(600, 400);
    canvas.SelectPalette(GreyPalette());

    EXPECT_EQ(s->Display(canvas, {10, 30}, {0, 100, 512, 120}), 20);
    const std::vector<CanvasDraw> expected{
        {10, 36, 512, 14, -1, 14, RowsOf(pic, 0, 106, 512, 14)},  // middle strip: rows 106 to 119
        {10, 30, 512, 6, -1, 6, RowsOf(pic, 0, 100, 512, 6)},     // top strip: rows 100 to 105
    };
    EXPECT_EQ(canvas.Draws(), expected);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 512; x += 37) ASSERT_EQ(canvas.PixelAt(10 + x, 30 + y), 0x010101u * pic.At(x, 100 + y));
}

TEST(AC8Display, ClampsTheRectangleToTheSurface) {
    TestSurface s(20, 10, true);
    s->FillRect(s->GetBounds(), 5);
    MemoryCanvas canvas(50, 50);
    canvas.SelectPalette(GreyPalette());
    EXPECT_EQ(s->Display(canvas, {0, 0}, {0, 0, 0, 10}), 0);  // empty
    EXPECT_EQ(s->Display(canvas, {0, 0}, {40, 0, 60, 10}), 0);  // wholly off
    EXPECT_TRUE(canvas.Draws().empty());

    // Rows and columns off the surface are never read; the rest lands where it belongs.
    EXPECT_EQ(s->Display(canvas, {10, 10}, {-4, -3, 30, 20}), 10);
    ASSERT_EQ(canvas.Draws().size(), 1u);
    EXPECT_EQ(canvas.Draws()[0].X, 14);
    EXPECT_EQ(canvas.Draws()[0].Y, 13);
    EXPECT_EQ(canvas.Draws()[0].Width, 20);
    EXPECT_EQ(canvas.Draws()[0].Height, 10);
}

TEST(AC8Display, TransparentColourLeavesTheTargetAlone) {
    TestSurface back(8, 1, true), sprite(8, 1, true);
    back->FillRect(back->GetBounds(), 50);
    sprite->FillRect({0, 0, 4, 1}, 9);
    sprite->SetTransparency(0, true);
    MemoryCanvas canvas(8, 1);
    canvas.SelectPalette(GreyPalette());
    back->Display(canvas, {0, 0}, back->GetBounds());
    sprite->Display(canvas, {0, 0}, sprite->GetBounds());
    EXPECT_EQ(canvas.Draws().back().TransparentIndex, 0);
    EXPECT_EQ(canvas.PixelAt(0, 0), 0x090909u);
    EXPECT_EQ(canvas.PixelAt(7, 0), 0x323232u);
}

TEST(AC8Display, NeedsABitmapHeader) {
    TestSurface s(4, 4);
    MemoryCanvas canvas(4, 4);
    try {
        s->Display(canvas, {0, 0}, s->GetBounds());
        FAIL();
    } catch (const AC8Exception& e) {
        EXPECT_STREQ(e.what(), "PBMInfo not initialized for Display");
    }
}

TEST(AC8Display, DamageIsShownInOrderAtItsPlaceThenCleared) {
    TestSurface s(64, 64, true);
    MemoryCanvas canvas(200, 200);
    s->DisplayDamage(canvas, {0, 0});
    EXPECT_TRUE(canvas.Draws().empty());
    EXPECT_FALSE(s->HasDamage());

    s->FillRect({40, 40, 50, 50}, 1);
    s->FillRect({0, 0, 10, 5}, 2);
    s->FillRect({42, 42, 44, 44}, 3);  // inside the first: no new rectangle
    s->DisplayDamage(canvas, {100, 50});
    ASSERT_EQ(canvas.Draws().size(), 2u);
    EXPECT_EQ((TRect{canvas.Draws()[0].X, canvas.Draws()[0].Y, canvas.Draws()[0].Width, canvas.Draws()[0].Height}),
              (TRect{140, 90, 10, 10}));
    EXPECT_EQ((TRect{canvas.Draws()[1].X, canvas.Draws()[1].Y, canvas.Draws()[1].Width, canvas.Draws()[1].Height}),
              (TRect{100, 50, 10, 5}));
    EXPECT_FALSE(s->HasDamage());
}

TEST(AC8Display, WholeImageIsDrawnFromTheBottomStripUp) {
    std::mt19937 rng(21);
    TAC8Image image;
    image.Init("room", 512, 320);
    {
        TAC8ImageData s(image);
        surface_test::FillRandom(rng, s, 256);
    }
    MemoryCanvas canvas(600, 400);
    DrawImageAt(canvas, {5, 7}, image);
    ASSERT_EQ(canvas.Draws().size(), 3u);
    EXPECT_EQ(canvas.Draws()[0].Y, 7 + 213);
    EXPECT_EQ(canvas.Draws()[0].Height, 107);
    EXPECT_EQ(canvas.Draws()[1].Y, 7 + 106);
    EXPECT_EQ(canvas.Draws()[2].Y, 7);
    EXPECT_EQ(canvas.Draws()[2].Height, 106);
    EXPECT_EQ(canvas.Draws()[2].Pixels.front(), image.Row(0)[0]);
    for (std::uint32_t k = 0; k < image.SegmentCount(); ++k) EXPECT_EQ(image.Segment(k).Flags, 0) << k;
}

TEST(AC8Display, ImageStillEncodedIsNotDrawn) {
    // A 1 x 1 record whose one strip is stored line-coded: code 0, then the pixel.
    const std::vector<std::uint8_t> record{'d', 'o', 't', 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 3, 0,
                                           27, 0, 0, 0, 0, 0, 0x08, 0, 7};
    TMemoryStream stream(record);
    TAC8Image image;
    image.LoadFromStream(stream);
    ASSERT_EQ(image.StoredState(), AC8StateEncoded);
    MemoryCanvas canvas(4, 4);
    DrawImageAt(canvas, {0, 0}, image);
    EXPECT_TRUE(canvas.Draws().empty());
    image.DecodeAll();
    DrawImageAt(canvas, {0, 0}, image);
    ASSERT_EQ(canvas.Draws().size(), 1u);
    EXPECT_EQ(canvas.Draws()[0].Pixels, std::vector<std::uint8_t>{7});
}

TEST(AC8Display, MemoryCanvasClipsDrawsToItsTarget) {
    MemoryCanvas canvas(4, 3);
    canvas.SelectPalette(GreyPalette());
    const std::array<std::uint8_t, 6> rows{1, 2, 3, 4, 5, 6};  // two rows of three, bottom row first
    EXPECT_EQ(canvas.DrawRows(2, -1, 3, 2, rows.data() + 3, -3, -1), 1);
    EXPECT_EQ(canvas.PixelAt(2, 0), 0x010101u);  // the bottom row, at y 0
    EXPECT_EQ(canvas.PixelAt(3, 0), 0x020202u);
    EXPECT_EQ(canvas.PixelAt(2, 1), 0u);
    EXPECT_EQ(canvas.DrawRows(10, 0, 3, 2, rows.data(), 3, -1), 0);
    EXPECT_EQ(canvas.Draws().size(), 2u);
}

// A library palette whose every entry differs from the screen's colours.
std::array<std::uint8_t, 1024> LibraryPalette() {
    std::array<std::uint8_t, 1024> block{};
    for (int i = 0; i < 256; ++i) {
        block[4 * i] = static_cast<std::uint8_t>(i);            // blue
        block[4 * i + 1] = static_cast<std::uint8_t>(255 - i);  // green
        block[4 * i + 2] = 77;                                  // red
    }
    return block;
}

TEST(AC8Palette, StaticScreenKeepsItsTwentyColours) {
    platform::ScreenPalette screen;
    screen.Static = true;
    screen.ColourCount = 20;
    for (int i = 0; i < 256; ++i) screen.Entries[i] = {200, std::uint8_t(i), 1};
    platform::OverrideScreenPalette(&screen);
    auto block = LibraryPalette();
    const auto palette = CreateLogicalPalette(block.data(), platform::QueryScreenPalette());
    platform::OverrideScreenPalette(nullptr);

    EXPECT_EQ(palette->Version, 0x300);
    for (int i = 0; i < 256; ++i) {
        const auto& e = palette->Entries[i];
        if (i < 10 || i > 245) {
            EXPECT_EQ(e, (TAC8PaletteEntry{200, std::uint8_t(i), 1, 0})) << i;
            EXPECT_EQ(block[4 * i + 2], 200) << "library entry " << i << " takes the system colour";
            EXPECT_EQ(block[4 * i + 1], i);
            EXPECT_EQ(block[4 * i], 1);
        } else {
            EXPECT_EQ(e, (TAC8PaletteEntry{77, std::uint8_t(255 - i), std::uint8_t(i), AC8PaletteNoCollapse})) << i;
            EXPECT_EQ(block[4 * i], i) << "library entry " << i << " kept";
        }
    }
}

TEST(AC8Palette, ScreenWithoutStaticColoursReplacesOnlyBlackAndWhite) {
    const platform::ScreenPalette screen = platform::QueryScreenPalette();
    EXPECT_FALSE(screen.Static);
    auto block = LibraryPalette();
    const auto palette = CreateLogicalPalette(block.data(), screen);
    EXPECT_EQ(palette->Entries[0], (TAC8PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(palette->Entries[255], (TAC8PaletteEntry{255, 255, 255, 0}));
    for (int i = 1; i < 255; ++i)
        EXPECT_EQ(palette->Entries[i], (TAC8PaletteEntry{77, std::uint8_t(255 - i), std::uint8_t(i), AC8PaletteNoCollapse}));
    EXPECT_EQ((std::array<std::uint8_t, 3>{block[0], block[1], block[2]}), (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ((std::array<std::uint8_t, 3>{block[1020], block[1021], block[1022]}),
              (std::array<std::uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(palette->Colours()[1], (platform::RgbColour{77, 254, 1}));
}

TEST(AC8Palette, NeedsALibraryPalette) {
    try {
        CreateLogicalPalette(nullptr, platform::QueryScreenPalette());
        FAIL();
    } catch (const AC8Exception& e) {
        EXPECT_STREQ(e.what(), "GetHPal: global palette unavailable");
    }
}

}  // namespace
