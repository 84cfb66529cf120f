// Tiled backgrounds: where tiles land in surfaces and rectangles, and what the control paints.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/tile_bg.h"
#include "platform/controls.h"
#include "test_library.h"

namespace {

// A 4 by 3 tile whose pixel (x, y) has colour 100 + 10 y + x.
TAC8Picture NumberedTile(const std::string& name) {
    TAC8Picture p = SolidPicture(name, 4, 3, 0);
    for (std::uint32_t y = 0; y < 3; ++y)
        for (std::uint32_t x = 0; x < 4; ++x) p.Pixels[y * 4 + x] = static_cast<std::uint8_t>(100 + 10 * y + x);
    return p;
}

std::uint8_t TileColour(std::int32_t tx, std::int32_t ty) { return static_cast<std::uint8_t>(100 + 10 * ty + tx); }

class TileBGTest : public testing::Test {
protected:
    TileBGTest() : Pictures({NumberedTile("tile"), SolidPicture("other", 2, 2, 50)}) {
        Node = Pictures.Library.CreateImage("target", 20, 20);
        Surface = Pictures.Library.GetImageData(Node);
        Surface->FillRect(Surface->GetBounds(), 250);
        Tiles.SetLibrary(&Pictures.Library);
        Tiles.SetImageName("tile");
    }
    ~TileBGTest() override {
        Pictures.Library.ReleaseImageData(Node);
        Pictures.Library.ReleaseImage(Node);
    }

    TTestLibrary Pictures;
    TImageNode* Node = nullptr;
    TAC8ImageData* Surface = nullptr;
    TTileBG Tiles;
};

TEST_F(TileBGTest, SurfaceShowsThePlaneFromTheOrigin) {
    Tiles.TileIntoSurface(*Surface, TPoint{0, 0});
    EXPECT_EQ(Surface->GetPixel({0, 0}), TileColour(0, 0));
    EXPECT_EQ(Surface->GetPixel({19, 19}), TileColour(3, 1));
    // Surface (0, 0) shows plane point (6, 4): tile pixel (2, 1).
    Tiles.TileIntoSurface(*Surface, TPoint{6, 4});
    EXPECT_EQ(Surface->GetPixel({0, 0}), TileColour(2, 1));
    EXPECT_EQ(Surface->GetPixel({2, 2}), TileColour(0, 0));
    EXPECT_EQ(Surface->GetPixel({19, 19}), TileColour((19 + 6) % 4, (19 + 4) % 3));
}

TEST_F(TileBGTest, RectangleTilesStayInsideAndRestoreTheClip) {
    Surface->SetClipRect(TRect{0, 0, 18, 18});
    Tiles.TileIntoRect(*Surface, TPoint{0, 0}, TRect{5, 2, 11, 7});
    // The first tile starts at x = 4, clipped to 5.
    EXPECT_EQ(Surface->GetPixel({5, 2}), TileColour(1, 2));
    EXPECT_EQ(Surface->GetPixel({10, 6}), TileColour(2, 0));
    EXPECT_EQ(Surface->GetPixel({4, 2}), 250);
    EXPECT_EQ(Surface->GetPixel({11, 6}), 250);
    EXPECT_EQ(Surface->GetPixel({5, 7}), 250);
    EXPECT_EQ(Surface->GetPixel({5, 1}), 250);
    EXPECT_EQ(Surface->ClipRect(), (TRect{0, 0, 18, 18}));
    // An origin shifts the plane the rectangle shows.
    Tiles.TileIntoRect(*Surface, TPoint{1, 1}, TRect{0, 0, 4, 3});
    EXPECT_EQ(Surface->GetPixel({0, 0}), TileColour(1, 1));
}

TEST_F(TileBGTest, NothingWithoutATile) {
    Tiles.SetImageName("missing");
    EXPECT_EQ(Tiles.Tile(), nullptr);
    Tiles.TileIntoSurface(*Surface, TPoint{0, 0});
    Tiles.TileIntoRect(*Surface, TPoint{0, 0}, Surface->GetBounds());
    EXPECT_EQ(Surface->GetPixel({0, 0}), 250);
}

TEST_F(TileBGTest, PaintsTilesOrACrossHatchIntoTheWindow) {
    platform::ControlHost host(30, 20);
    host.Add(Tiles);
    EXPECT_EQ(Tiles.Bounds(), (platform::ControlRect{0, 0, 30, 20}));
    platform::ControlRect hooked;
    Tiles.OnPaint = [&](TTileBG&, platform::ControlCanvas& canvas, const TRect& clip) {
        hooked = canvas.ClipRect();
        EXPECT_EQ(clip, (TRect{hooked.Left, hooked.Top, hooked.Right, hooked.Bottom}));
    };
    host.PaintInvalid();
    EXPECT_EQ(host.PixelAt(0, 0), ShownColour(TileColour(0, 0)));
    EXPECT_EQ(host.PixelAt(29, 19), ShownColour(TileColour(1, 1)));
    EXPECT_EQ(hooked, (platform::ControlRect{0, 0, 30, 20}));

    // Changing the tile repaints with the new one; a name the library lacks shows the hatch.
    Tiles.SetImageName("other");
    EXPECT_EQ(host.InvalidRect(), (platform::ControlRect{0, 0, 30, 20}));
    host.PaintInvalid();
    EXPECT_EQ(host.PixelAt(5, 5), ShownColour(50));
    Tiles.SetImageName("missing");
    host.PaintInvalid();
    EXPECT_EQ(host.PixelAt(0, 0), 0x000000u);
    EXPECT_EQ(host.PixelAt(1, 0), 0xFFFFFFu);
    EXPECT_EQ(host.PixelAt(7, 1), 0x000000u);
}

TEST_F(TileBGTest, ABackgroundTilesFromTheLibraryItIsGivenAndWithoutOneHasNoTile) {
    TTileBG plain;
    plain.SetImageName("tile");
    EXPECT_EQ(plain.Library(), nullptr);
    EXPECT_EQ(plain.Tile(), nullptr);
    plain.SetLibrary(&Pictures.Library);
    plain.SetImageName("tile");
    EXPECT_EQ(plain.Library(), &Pictures.Library);
    ASSERT_NE(plain.Tile(), nullptr);
}

// A library that goes away first leaves the background without a tile, not with a dangling one.
TEST(TileBGLifetimeTest, LibraryDestroyedFirst) {
    TTileBG tiles;
    {
        TTestLibrary pictures({NumberedTile("tile")});
        tiles.SetLibrary(&pictures.Library);
        tiles.SetImageName("tile");
        ASSERT_NE(tiles.Tile(), nullptr);
    }
    EXPECT_EQ(tiles.Library(), nullptr);
    EXPECT_EQ(tiles.Tile(), nullptr);
}

}  // namespace
