// The window's controls: z-order, mouse capture while a button is held, cursors, and
// painting limited to what was invalidated.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace {

using platform::ControlCanvas;
using platform::ControlRect;
using platform::MouseButton;

// Records its mouse events and fills what it is asked to paint with its colour.
class TProbe : public platform::Control {
public:
    explicit TProbe(std::uint32_t rgb) : Colour{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)} {}

    void Paint(ControlCanvas& canvas) override {
        Clips.push_back(canvas.ClipRect());
        // Asks for far more than its clip: the canvas must keep it inside.
        canvas.FillSolid(ControlRect{-100, -100, 1000, 1000}, Colour);
    }
    void MouseDown(MouseButton b, std::int32_t x, std::int32_t y) override { Log("down", b, x, y); }
    void MouseMove(std::int32_t x, std::int32_t y) override { Log("move", MouseButton::Left, x, y); }
    void MouseUp(MouseButton b, std::int32_t x, std::int32_t y) override { Log("up", b, x, y); }

    platform::RgbColour Colour;
    std::vector<std::string> Events;
    std::vector<ControlRect> Clips;

private:
    void Log(const char* what, MouseButton b, std::int32_t x, std::int32_t y) {
        Events.push_back(std::string(what) + (b == MouseButton::Right ? "R" : "") + " " + std::to_string(x) + "," +
                         std::to_string(y));
    }
};

class ControlsTest : public testing::Test {
protected:
    ControlsTest() : Host(100, 60), Back(0x112233), Front(0x445566) {
        Back.SetFillsHost(true);
        Front.SetBounds(ControlRect{10, 10, 30, 20});
        Front.Cursor = 5;
        Back.Cursor = 2;
        Host.Add(Back);
        Host.Add(Front);
    }

    platform::ControlHost Host;
    TProbe Back;
    TProbe Front;
};

TEST_F(ControlsTest, TopmostEnabledVisibleControlTakesThePointer) {
    EXPECT_EQ(Host.ControlAt(15, 15), &Front);
    EXPECT_EQ(Host.ControlAt(30, 15), &Back);
    EXPECT_EQ(Host.CursorAt(15, 15), 5);
    Front.SetEnabled(false);
    EXPECT_EQ(Host.ControlAt(15, 15), &Back);
    EXPECT_EQ(Host.CursorAt(15, 15), 2);
    Back.SetVisible(false);
    EXPECT_EQ(Host.ControlAt(15, 15), nullptr);
    EXPECT_EQ(Host.CursorAt(15, 15), 0);
}

TEST_F(ControlsTest, ThePressedControlKeepsTheMouseUntilEveryButtonIsUp) {
    Host.MouseDown(MouseButton::Left, 12, 13);
    Host.MouseMove(50, 50);
    EXPECT_EQ(Host.CursorAt(50, 50), 5);
    Host.MouseDown(MouseButton::Right, 60, 50);
    Host.MouseUp(MouseButton::Left, 70, 50);
    Host.MouseMove(80, 50);
    Host.MouseUp(MouseButton::Right, 80, 50);
    EXPECT_EQ(Front.Events, (std::vector<std::string>{"down 2,3", "move 40,40", "downR 50,40", "up 60,40", "move 70,40",
                                                      "upR 70,40"}));
    EXPECT_TRUE(Back.Events.empty());
    EXPECT_EQ(Host.Captured(), nullptr);
    Host.MouseMove(80, 50);
    EXPECT_EQ(Back.Events, (std::vector<std::string>{"move 80,50"}));
}

TEST_F(ControlsTest, DestroyingAControlReleasesItsCapture) {
    auto temporary = std::make_unique<TProbe>(0xFFFFFF);
    temporary->SetBounds(ControlRect{50, 0, 60, 10});
    Host.Add(*temporary);
    Host.MouseDown(MouseButton::Left, 55, 5);
    EXPECT_EQ(Host.Captured(), temporary.get());
    temporary.reset();
    EXPECT_EQ(Host.Captured(), nullptr);
    Host.MouseUp(MouseButton::Left, 55, 5);
    EXPECT_EQ(Back.Events, (std::vector<std::string>{"up 55,5"}));
}

TEST_F(ControlsTest, PaintingCoversOnlyTheInvalidArea) {
    EXPECT_EQ(Host.PaintInvalid(), (ControlRect{0, 0, 100, 60}));
    EXPECT_EQ(Host.PixelAt(0, 0), 0x112233u);
    EXPECT_EQ(Host.PixelAt(10, 10), 0x445566u);
    EXPECT_EQ(Host.PixelAt(30, 20), 0x112233u);
    EXPECT_EQ(Front.Clips, (std::vector<ControlRect>{{0, 0, 20, 10}}));

    Back.Clips.clear();
    Front.Clips.clear();
    Host.Invalidate(ControlRect{25, 5, 40, 12});
    Back.Colour = {0, 0, 9};
    Front.Colour = {0, 0, 8};
    Host.PaintInvalid();
    EXPECT_EQ(Back.Clips, (std::vector<ControlRect>{{25, 5, 40, 12}}));
    EXPECT_EQ(Front.Clips, (std::vector<ControlRect>{{15, 0, 20, 2}}));
    EXPECT_EQ(Host.PixelAt(24, 11), 0x445566u);
    EXPECT_EQ(Host.PixelAt(25, 11), 0x000008u);
    EXPECT_EQ(Host.PixelAt(25, 12), 0x445566u);
    EXPECT_EQ(Host.PixelAt(35, 5), 0x000009u);
    EXPECT_EQ(Host.PixelAt(40, 5), 0x112233u);
    EXPECT_EQ(Host.PaintInvalid(), ControlRect{});

    // Moving a control repaints where it was and where it is.
    Front.SetBounds(ControlRect{50, 30, 60, 40});
    EXPECT_EQ(Host.InvalidRect(), (ControlRect{10, 10, 60, 40}));
}

TEST_F(ControlsTest, IndexedRowsGoThroughThePaletteAtTheControlsPlace) {
    class TPicture : public platform::Control {
    public:
        void Paint(ControlCanvas& canvas) override {
            platform::CanvasPalette palette{};
            palette[1] = {255, 0, 0};
            palette[2] = {0, 255, 0};
            canvas.SelectPalette(palette);
            const std::uint8_t rows[2][3] = {{1, 2, 1}, {2, 7, 2}};
            canvas.DrawRows(-1, 0, 3, 2, rows[0], 3, 7);
        }
    } picture;
    picture.SetBounds(ControlRect{40, 40, 42, 42});
    Host.Add(picture);
    Host.PaintInvalid();
    EXPECT_EQ(Host.PixelAt(39, 40), 0x112233u);  // left of the control: clipped away
    EXPECT_EQ(Host.PixelAt(40, 40), 0x00FF00u);
    EXPECT_EQ(Host.PixelAt(41, 40), 0xFF0000u);
    EXPECT_EQ(Host.PixelAt(40, 41), 0x112233u);  // transparent index 7
    EXPECT_EQ(Host.PixelAt(41, 41), 0x00FF00u);
    EXPECT_EQ(Host.PixelAt(42, 41), 0x112233u);
}

TEST_F(ControlsTest, ResizingRefitsFillingControls) {
    Host.Resize(120, 80);
    EXPECT_EQ(Back.Bounds(), (ControlRect{0, 0, 120, 80}));
    EXPECT_EQ(Front.Bounds(), (ControlRect{10, 10, 30, 20}));
    Host.PaintInvalid();
    EXPECT_EQ(Host.PixelAt(119, 79), 0x112233u);
}

}  // namespace
