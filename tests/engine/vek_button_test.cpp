// Image buttons: sizing from the strip, the frame shown through presses, drags and toggles,
// the background composed behind the frame, and what paints without a picture.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/tile_bg.h"
#include "engine/graphics/vek_button.h"
#include "platform/controls.h"
#include "test_library.h"

namespace {

using platform::MouseButton;

// Frames stacked vertically, frame f filled with colour 20 + f; the top-left pixel of each
// frame is the transparent colour 9.
TIndexedPicture Strip(const std::string& name, std::uint32_t width, std::uint32_t frameHeight, std::uint32_t frames) {
    TIndexedPicture p = SolidPicture(name, width, frameHeight * frames, 0);
    for (std::uint32_t f = 0; f < frames; ++f)
        for (std::uint32_t y = 0; y < frameHeight; ++y)
            for (std::uint32_t x = 0; x < width; ++x)
                p.pixels[(f * frameHeight + y) * width + x] = (x == 0 && y == 0) ? 9 : static_cast<std::uint8_t>(20 + f);
    p.hasTransparency = true;
    p.transparentColour = 9;
    return p;
}

class VekButtonTest : public testing::Test {
protected:
    VekButtonTest()
        : Pictures({Strip("three", 10, 6, 3), Strip("two", 56, 34, 2), SolidPicture("tile", 4, 4, 70),
                    SolidPicture("tiny", 5, 2, 20)}), Host(200, 100) {
        Button.SetLibrary(&Pictures.Library);
        Host.Add(Button);
    }

    // The frame the buffer shows, read from its middle.
    int Shown() const {
        const TAC8ImageData* buffer = Button.Buffer();
        return buffer == nullptr ? -1 : buffer->GetPixel({buffer->Width() / 2, buffer->Height() / 2}) - 20;
    }
    void Use(const char* name, std::uint8_t frames) {
        Button.SetFrameCount(frames);
        Button.SetImageName(name);
        Button.SetBounds(platform::ControlRect{40, 30, 40 + Button.Width(), 30 + Button.Height()});
        Button.SetEnabled(true);
    }

    TTestLibrary Pictures;
    platform::ControlHost Host;
    TVekButton Button;
    int Clicks = 0;
};

TEST_F(VekButtonTest, SizedToOneFrameOfTheStrip) {
    EXPECT_EQ(Button.Width(), 75);
    EXPECT_EQ(Button.Height(), 25);
    EXPECT_FALSE(Button.Enabled());
    Button.SetBounds(platform::ControlRect{7, 8, 82, 33});
    Button.SetFrameCount(2);
    Button.SetImageName("two");
    EXPECT_EQ(Button.Bounds(), (platform::ControlRect{7, 8, 63, 42}));
    // Frame counts outside 1..3 are refused.
    Button.SetFrameCount(0);
    Button.SetFrameCount(4);
    EXPECT_EQ(Button.FrameCount(), 2);
}

TEST_F(VekButtonTest, AStripTooShortForItsFramesLeavesNoPictures) {
    Button.SetFrameCount(3);
    EXPECT_THROW(Button.SetImageName("tiny"), AC8Exception);
    EXPECT_EQ(Button.Buffer(), nullptr);
    EXPECT_EQ(Pictures.Library.Cache().First(), nullptr);
}

TEST_F(VekButtonTest, PushButtonThroughDownDragOutDragBackAndUp) {
    Use("three", 3);
    Button.OnClick = [this](TVekButton&) { ++Clicks; };
    EXPECT_EQ(Shown(), 0);
    Host.MouseDown(MouseButton::Left, 45, 33);
    EXPECT_EQ(Shown(), 1);
    Host.MouseMove(150, 90);  // out: captured, so the button still hears it
    EXPECT_EQ(Shown(), 0);
    Host.MouseMove(41, 31);  // back in
    EXPECT_EQ(Shown(), 1);
    Host.MouseUp(MouseButton::Left, 41, 31);
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(Clicks, 1);

    // Released outside: no click.
    Host.MouseDown(MouseButton::Left, 45, 33);
    Host.MouseMove(10, 10);
    Host.MouseUp(MouseButton::Left, 10, 10);
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(Clicks, 1);

    // The right button does nothing.
    Host.MouseDown(MouseButton::Right, 45, 33);
    EXPECT_EQ(Shown(), 0);
    Host.MouseUp(MouseButton::Right, 45, 33);
    EXPECT_EQ(Clicks, 1);

    // Disabled: frame 2, and no input.
    Button.SetEnabled(false);
    EXPECT_EQ(Shown(), 2);
    Host.MouseDown(MouseButton::Left, 45, 33);
    Host.MouseUp(MouseButton::Left, 45, 33);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(VekButtonTest, ToggleClicksOnPressAndShowsItsState) {
    Use("two", 2);
    Button.Toggles = true;
    Button.OnClick = [this](TVekButton& b) {
        ++Clicks;
        EXPECT_TRUE(b.Checked());
    };
    Host.MouseDown(MouseButton::Left, 50, 40);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Shown(), 1);
    Host.MouseMove(0, 0);
    Host.MouseUp(MouseButton::Left, 0, 0);
    EXPECT_EQ(Shown(), 1);
    // Two frames: a disabled toggle shows frame 0 even while checked.
    Button.SetEnabled(false);
    EXPECT_TRUE(Button.Checked());
    EXPECT_EQ(Shown(), 0);
    Button.SetEnabled(true);
    Button.SetChecked(false);
    EXPECT_EQ(Shown(), 0);
}

TEST_F(VekButtonTest, BackgroundShowsThroughTransparentPixels) {
    Use("three", 3);
    Button.SetBGPen(33);
    EXPECT_EQ(Button.Buffer()->GetPixel({0, 0}), 33);
    TTileBG tiles;
    tiles.SetLibrary(&Pictures.Library);
    tiles.SetImageName("tile");
    Button.SetTileBG(&tiles);
    EXPECT_EQ(Button.Buffer()->GetPixel({0, 0}), 70);
    EXPECT_EQ(Button.Buffer()->GetPixel({1, 0}), 20);
    int decorated = 0;
    Button.OnDecorate = [&](TVekButton& b) {
        ++decorated;
        b.Buffer()->FillRect(TRect{0, 0, 1, 1}, 34);
    };
    Button.SetTileBG(nullptr);
    EXPECT_EQ(decorated, 1);
    EXPECT_EQ(Button.Buffer()->GetPixel({0, 0}), 34);
}

TEST_F(VekButtonTest, PaintsTheBufferOrAMagentaBoxWithItsName) {
    Use("three", 3);
    Host.PaintInvalid();
    EXPECT_EQ(Host.PixelAt(45, 33), ShownColour(20));
    EXPECT_EQ(Host.PixelAt(40, 30), ShownColour(0));  // BGPen behind the strip's transparent pixel

    TVekButton missing;
    missing.Name = "cmdAbout";
    missing.SetLibrary(&Pictures.Library);
    missing.SetImageName("nosuch");
    missing.SetBounds(platform::ControlRect{100, 0, 175, 25});
    Host.Add(missing);
    Host.PaintInvalid();
    EXPECT_EQ(Host.PixelAt(100, 0), 0xFF00FFu);
    EXPECT_EQ(Host.PixelAt(174, 24), 0xFF00FFu);
    int white = 0;
    for (int y = 2; y < 9; ++y)
        for (int x = 102; x < 150; ++x) white += Host.PixelAt(x, y) == 0xFFFFFFu;
    EXPECT_GT(white, 20);
}

}  // namespace
