// The game window: its integer scale, mouse routing through the scale with capture while a
// button is held, paint boxes' clicks, and the SDL window on SDL's dummy video driver.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/game_window.h"
#include "platform/paint_box.h"
#include "platform/sdl/sdl_game_window.h"
#include "platform/sdl/sdl_message_boxes.h"

using platform::ComputeWindowScale;
using platform::WindowScale;

TEST(WindowScale, LargestWholeScaleThatKeepsTheMinimumArea) {
    // A full-HD screen shows the game at twice its size, a 4K screen at four times.
    EXPECT_EQ(ComputeWindowScale(1920, 1080, 800, 500), (WindowScale{2, 960, 540, 0, 0}));
    EXPECT_EQ(ComputeWindowScale(3840, 2160, 800, 500), (WindowScale{4, 960, 540, 0, 0}));
    EXPECT_EQ(ComputeWindowScale(1024, 768, 800, 500), (WindowScale{1, 1024, 768, 0, 0}));
    // Exactly twice the minimum still doubles; one pixel less does not.
    EXPECT_EQ(ComputeWindowScale(1600, 1000, 800, 500).Scale, 2);
    EXPECT_EQ(ComputeWindowScale(1600, 999, 800, 500).Scale, 1);
    // Height can be what limits: a wide but short window.
    EXPECT_EQ(ComputeWindowScale(2560, 1040, 800, 500).Scale, 2);
    EXPECT_EQ(ComputeWindowScale(2560, 999, 800, 500).Scale, 1);
}

TEST(WindowScale, RemainderIsACentredBorderAndSmallScreensStayAtOne) {
    const WindowScale odd = ComputeWindowScale(1925, 1083, 800, 500);
    EXPECT_EQ(odd.Scale, 2);
    EXPECT_EQ(odd.LogicalWidth, 962);
    EXPECT_EQ(odd.LogicalHeight, 541);
    EXPECT_EQ(odd.OffsetX, 0);  // one spare pixel: no room to centre it
    EXPECT_EQ(odd.OffsetY, 0);
    const WindowScale three = ComputeWindowScale(2405, 1503, 800, 500);
    EXPECT_EQ(three.Scale, 3);
    EXPECT_EQ(three.OffsetX, (2405 - 801 * 3) / 2);
    EXPECT_EQ(ComputeWindowScale(640, 480, 800, 500), (WindowScale{1, 640, 480, 0, 0}));
    EXPECT_EQ(ComputeWindowScale(0, -5, 800, 500).Scale, 1);
}

namespace {
struct RecordingBox : platform::PaintBox {
    std::vector<std::string> Events;
    void MouseDown(platform::MouseButton b, std::int32_t x, std::int32_t y) override {
        Events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        PaintBox::MouseDown(b, x, y);
    }
    void MouseMove(std::int32_t x, std::int32_t y) override {
        Events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseUp(platform::MouseButton b, std::int32_t x, std::int32_t y) override {
        Events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
        PaintBox::MouseUp(b, x, y);
    }
};
}  // namespace

TEST(PaintBox, ClicksOnlyWhenReleasedInside) {
    platform::ControlHost host(200, 100);
    platform::PaintBox box;
    box.SetBounds(platform::ControlRect{10, 10, 70, 70});
    int clicks = 0;
    box.OnClick = [&](platform::PaintBox&) { ++clicks; };
    host.Add(box);
    host.MouseDown(platform::MouseButton::Left, 20, 20);
    host.MouseUp(platform::MouseButton::Left, 150, 20);  // dragged off before release
    EXPECT_EQ(clicks, 0);
    host.MouseDown(platform::MouseButton::Left, 20, 20);
    host.MouseUp(platform::MouseButton::Left, 69, 69);
    EXPECT_EQ(clicks, 1);
    host.MouseDown(platform::MouseButton::Right, 20, 20);
    host.MouseUp(platform::MouseButton::Right, 20, 20);
    EXPECT_EQ(clicks, 1);
}

// The real window on SDL's dummy video driver: no display is needed.
class SdlWindowTest : public testing::Test {
protected:
    void SetUp() override { setenv("SDL_VIDEODRIVER", "dummy", 1); }

    static void PushButton(std::uint32_t type, int x, int y) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = 0;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    static void PushMotion(int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        SDL_PushEvent(&e);
    }
};

TEST_F(SdlWindowTest, ResizeScalesTheClientAreaAndMouseFollowsTheScale) {
    platform::SdlGameWindow window(u"Test", 800, 500);
    int resizes = 0;
    window.OnResize = [&] { ++resizes; };
    SDL_SetWindowSize(window.Handle(), 1920, 1080);
    window.ProcessPendingMessages();
    ASSERT_EQ(window.Scale().Scale, 2);
    EXPECT_EQ(window.Controls().Width(), 960);
    EXPECT_EQ(window.Controls().Height(), 540);
    EXPECT_GE(resizes, 1);

    RecordingBox box;
    box.SetBounds(platform::ControlRect{100, 100, 160, 160});
    window.Controls().Add(box);
    // Screen pixel (241, 203) is logical pixel (120, 101): 20, 1 inside the box.
    PushButton(SDL_MOUSEBUTTONDOWN, 241, 203);
    // While the button is held the box keeps the mouse, even far outside it.
    PushMotion(1800, 20);
    PushButton(SDL_MOUSEBUTTONUP, 1800, 20);
    PushMotion(1800, 22);  // released: the box hears no more
    window.ProcessPendingMessages();
    EXPECT_EQ(box.Events, (std::vector<std::string>{"down 20,1", "move 800,-90", "up 800,-90"}));
}

TEST_F(SdlWindowTest, TimerIdleAndCloseQueryDriveTheLoop) {
    platform::SdlGameWindow window(u"Test", 800, 500);
    platform::EventQueue queue;
    window.SetEventQueue(&queue);
    int timers = 0, idles = 0, queued = 0, asked = 0;
    window.OnIdle = [&] { ++idles; };
    window.OnCloseQuery = [&] {
        ++asked;
        return asked > 1;  // the first close request is refused
    };
    window.OnTimer = [&] {
        ++timers;
        if (timers == 2) queue.Post(nullptr, [&] { ++queued; });
        if (timers == 3) window.RequestClose();
        if (timers == 4) window.RequestClose();
    };
    window.SetTimer(5, true);
    window.Run();
    EXPECT_EQ(timers, 4);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(queued, 1);
    EXPECT_GE(idles, 3);
    EXPECT_TRUE(window.Closed());
}

namespace {
void PushQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}
}  // namespace

// A signal or the session's end arrives as SDL's quit: the game ends without the close
// question, and what it would show on the way out must not wait for a click nobody makes.
TEST_F(SdlWindowTest, AQuitFromOutsideEndsWithoutAQuestionAndNoBoxWaits) {
    platform::SdlGameWindow window(u"Test", 800, 500);
    platform::SdlMessageBoxes boxes;
    boxes.SetParent(&window);
    int asked = 0;
    window.OnCloseQuery = [&] {
        ++asked;
        return true;
    };
    window.OnTimer = [] { PushQuit(); };
    window.SetTimer(5, true);
    window.Run();
    EXPECT_TRUE(window.Closed());
    EXPECT_EQ(asked, 0);
    ASSERT_TRUE(window.SessionEnding());
    testing::internal::CaptureStderr();
    EXPECT_EQ(boxes.Show(u"Game Save Problem", u"Not saved.", platform::MessageButtons::Ok, platform::MessageIcon::None),
              platform::MessageAnswer::Closed);
    EXPECT_EQ(boxes.Show(u"Quit?", u"Really?", platform::MessageButtons::YesNo, platform::MessageIcon::Question),
              platform::MessageAnswer::Closed);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Game Save Problem: Not saved.\nQuit?: Really?\n");
    boxes.SetParent(nullptr);

    // The player's own close is no such end: its boxes are still shown and answered.
    platform::SdlGameWindow closedByPlayer(u"Test", 800, 500);
    closedByPlayer.RequestClose();
    EXPECT_TRUE(closedByPlayer.Closed());
    EXPECT_FALSE(closedByPlayer.SessionEnding());
}

// A quit that arrives while a box waits answers it, and whatever the game shows next on its
// way out goes to standard error at once.
TEST_F(SdlWindowTest, AQuitUnderAnOpenBoxLeavesNoLaterBoxWaiting) {
    platform::SdlGameWindow window(u"Test", 800, 500);
    platform::SdlMessageBoxes boxes;
    boxes.SetParent(&window);
    window.Show();
    PushQuit();
    testing::internal::CaptureStderr();
    EXPECT_EQ(boxes.Show(u"Script Error", u"Unknown word.", platform::MessageButtons::Ok, platform::MessageIcon::Error),
              platform::MessageAnswer::Closed);
    EXPECT_EQ(boxes.Show(u"Game Save Problem", u"Not saved.", platform::MessageButtons::Ok, platform::MessageIcon::None),
              platform::MessageAnswer::Closed);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Game Save Problem: Not saved.\n"), std::string::npos);
    // The quit is still the game's to handle (SDL may first end a poll at its own marker).
    for (int poll = 0; poll < 3 && !window.Closed(); ++poll) window.ProcessPendingMessages();
    EXPECT_TRUE(window.Closed());
    boxes.SetParent(nullptr);
}

TEST(SdlMessageBoxesTest, WithoutADisplayEveryBoxGoesToStandardError) {
    platform::SdlMessageBoxes boxes;
    boxes.SetNoDisplay();
    testing::internal::CaptureStderr();
    EXPECT_EQ(boxes.Show(u"Quorvel!", u"No display.", platform::MessageButtons::Ok, platform::MessageIcon::Error),
              platform::MessageAnswer::Closed);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Quorvel!: No display.\n");
}

TEST_F(SdlWindowTest, CursorFollowsScreenOverrideThenControls) {
    platform::SdlGameWindow window(u"Test", 800, 500);
    platform::CursorPicture picture;
    picture.Width = picture.Height = 4;
    picture.HotX = picture.HotY = 1;
    picture.Pixels.assign(16, 0xFF00FF00u);
    window.DefineCursor(7, picture);
    platform::PaintBox box;
    box.SetBounds(platform::ControlRect{0, 0, 50, 50});
    box.Cursor = 7;
    window.Controls().Add(box);
    PushMotion(10, 10);
    window.ProcessPendingMessages();
    EXPECT_EQ(window.ShownCursor(), 7);
    window.SetScreenCursor(platform::kHourglassCursor);
    EXPECT_EQ(window.ShownCursor(), platform::kHourglassCursor);
    window.SetScreenCursor(platform::kNoScreenCursor);
    box.Cursor = -1;
    window.ProcessPendingMessages();
    EXPECT_EQ(window.ShownCursor(), -1);
}
