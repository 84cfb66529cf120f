// The main window's layout for wide and narrow windows, the garland, and the pictures the
// room and action buttons show in each of their states.
#include "tests/shell/main_window_fixture.h"

using namespace main_window_test;

namespace {
platform::ControlRect Rect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return platform::ControlRect{left, top, left + width, top + height};
}

class NarrowWindowTest : public MainWindowTest {
protected:
    NarrowWindowTest() : MainWindowTest(640, 480) {}
};
}  // namespace

TEST_F(MainWindowTest, WideLayoutAt1024By768) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(Form->FramePanel().Bounds(), Rect(255, 223, 514, 322));
    // Room buttons in a column left of the play area, 80 pixels apart.
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Form->NavBox(i).Bounds(), Rect(120, 233 + (i - 1) * 80, 60, 60)) << i;
    // Action buttons in a column right of it, from the top.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Form->ActionBox(i).Bounds(), Rect(844, 233 + (i - 1) * 80, 60, 60)) << i;
    EXPECT_EQ(Form->AboutButton().Bounds(), Rect(4, 4, 56, 34));
    EXPECT_EQ(Form->TutorButton().Bounds(), Rect(64, 4, 119, 34));
    EXPECT_EQ(Form->VersionLabel().Bounds().Left, 2);
    EXPECT_EQ(Form->VersionLabel().Bounds().Bottom, 768);
}

TEST_F(NarrowWindowTest, NarrowLayoutAt640By480) {
    ASSERT_TRUE(Create());
    // 40 pixels kept below the play area for the buttons.
    EXPECT_EQ(Form->FramePanel().Bounds(), Rect(63, 59, 514, 322));
    // One row under the play area: room buttons left to right, action buttons right to
    // left after them, 67 pixels apart.
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Form->NavBox(i).Bounds(), Rect(79 + (i - 1) * 67, 387, 60, 60)) << i;
    EXPECT_EQ(Form->ActionBox(1).Bounds(), Rect(497, 387, 60, 60));
    EXPECT_EQ(Form->ActionBox(2).Bounds(), Rect(430, 387, 60, 60));
    EXPECT_EQ(Form->ActionBox(3).Bounds(), Rect(363, 387, 60, 60));
    // Too narrow for the garland: the wallpaper shows where it would be.
    EXPECT_FALSE(Form->HasGarland());
    EXPECT_EQ(Window.Controls().PixelAt(0, 470), Shown(kTileColour));
}

TEST_F(MainWindowTest, GarlandFramesThePlayAreaOverTheWallpaperAndIsRebuiltOnResize) {
    ASSERT_TRUE(Create());
    ASSERT_TRUE(Form->HasGarland());
    // Garland at ((1024 - 700) / 2, (768 - 500) / 2) = (162, 134).
    EXPECT_EQ(Window.Controls().PixelAt(162, 134), Shown(kGarlandColour));          // corner
    EXPECT_EQ(Window.Controls().PixelAt(162 + 2, 134 + 250), Shown(kGarlandColour + 1));  // west side
    EXPECT_EQ(Window.Controls().PixelAt(162 + 350, 134 + 2), Shown(kGarlandColour + 2));  // top
    // The transparent middle of a piece shows the wallpaper behind it.
    EXPECT_EQ(Window.Controls().PixelAt(162 + 50, 134 + 50), Shown(kTileColour));
    EXPECT_EQ(Window.Controls().PixelAt(100, 100), Shown(kTileColour));

    Window.Resize(1280, 800);
    EXPECT_FALSE(Form->HasGarland());  // dropped with the old size
    Window.RunOnce();
    EXPECT_TRUE(Form->HasGarland());
    EXPECT_EQ(Window.Controls().PixelAt(290, 150), Shown(kGarlandColour));
    EXPECT_EQ(Form->FramePanel().Bounds(), Rect(383, 239, 514, 322));
}

TEST_F(MainWindowTest, RoomButtonPicturesForEachState) {
    ASSERT_TRUE(Create());
    // Greyed (the title room): the empty colour, no hand cursor.
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(NavPixel(i, 30, 30), 118) << i;
        EXPECT_EQ(Form->NavBox(i).Cursor, 0);
    }
    // The living room is button 3: home (highlighted edge), face pushed in as current.
    World().GoRoom("LIVING");
    EXPECT_FALSE(Form->NavGreyed());
    EXPECT_EQ(NavPixel(3, 0, 0), kEdgeColour + 2);
    EXPECT_EQ(NavPixel(3, 8, 8), kEdgeColour + 2);  // the face sits one pixel to the right
    EXPECT_EQ(NavPixel(3, 9, 8), kFaceColour + 2);
    EXPECT_EQ(Form->NavBox(3).Cursor, 0);
    // Others: normal edge and face, hand cursor.
    EXPECT_EQ(NavPixel(1, 0, 0), kEdgeColour);
    EXPECT_EQ(NavPixel(1, 8, 8), kFaceColour + 0);
    EXPECT_EQ(NavPixel(4, 8, 8), kFaceColour + 3);
    EXPECT_EQ(Form->NavBox(1).Cursor, 1);
    // Current but not home: the pushed-in edge. Disabled: the disabled face row.
    Form->SetHomeIndex(0);
    Form->SetNavButtonState(2, TNavState::Current);
    EXPECT_EQ(NavPixel(2, 0, 0), kEdgeColour + 1);
    Form->SetNavButtonState(4, TNavState::Disabled);
    EXPECT_EQ(NavPixel(4, 8, 8), kFaceColour + 7);
    EXPECT_EQ(Form->NavBox(4).Cursor, 0);
    // What the picture holds is what the window shows.
    Window.RunOnce();
    const platform::ControlRect box = Form->NavBox(4).Bounds();
    EXPECT_EQ(Window.Controls().PixelAt(box.Left + 8, box.Top + 8), Shown(kFaceColour + 7));
}

TEST_F(MainWindowTest, ActionButtonPicturesAndThePressedLookForSixTicks) {
    ASSERT_TRUE(Create());
    World().FindRoom("LIVING")->Flags |= kRoomSnapEnabled;
    World().GoRoom("LIVING");
    // SNAP is offered and allowed, WRAP offered but not allowed, the third has nothing.
    EXPECT_EQ(Form->ActionCommand(1), TActionCommand::Snap);
    EXPECT_EQ(ActionPixel(1, 30, 30), kActionColour + 0);
    EXPECT_EQ(Form->ActionBox(1).Cursor, 1);
    EXPECT_EQ(Form->ActionCommand(2), TActionCommand::Wrap);
    EXPECT_EQ(ActionPixel(2, 30, 30), kActionColour + 3 + 2);  // row WRAP, column disabled
    EXPECT_EQ(ActionPixel(3, 30, 30), 118);

    TimerAfter(0);
    const platform::ControlRect snap = Form->ActionBox(1).Bounds();
    Window.Click(snap.Left + 30, snap.Top + 30);
    EXPECT_EQ(Form->PressedAction(), 1);
    EXPECT_EQ(ActionPixel(1, 30, 30), kActionColour + 1);  // pressed column
    // The room disables the button at once; the pressed look stays for its six ticks.
    Form->SetActionState(1, TActionState::Disabled);
    for (int tick = 1; tick <= 5; ++tick) {
        TimerAfter(55);
        EXPECT_EQ(ActionPixel(1, 30, 30), kActionColour + 1) << tick;
    }
    TimerAfter(55);
    EXPECT_EQ(Form->PressedAction(), 0);
    EXPECT_EQ(ActionPixel(1, 30, 30), kActionColour + 2);  // then the disabled cell
    // Clicks on a disabled button are ignored.
    Window.Click(snap.Left + 30, snap.Top + 30);
    EXPECT_EQ(Form->PressedAction(), 0);
}

TEST_F(MainWindowTest, PressedButtonReturnsToNormalAfterSixTicks) {
    ASSERT_TRUE(Create());
    World().FindRoom("LIVING")->Flags |= kRoomSnapEnabled;
    World().GoRoom("LIVING");
    TimerAfter(0);
    const platform::ControlRect snap = Form->ActionBox(1).Bounds();
    Window.Click(snap.Left + 30, snap.Top + 30);
    for (int tick = 1; tick <= 6; ++tick) {
        EXPECT_EQ(Form->ActionState(1), TActionState::Pressed) << tick;
        TimerAfter(55);
    }
    EXPECT_EQ(Form->ActionState(1), TActionState::Normal);
    EXPECT_EQ(ActionPixel(1, 30, 30), kActionColour);
}

TEST_F(MainWindowTest, PaintingBeforeThePicturesExistDrawsNothingAndFailsNothing) {
    Form = std::make_unique<TFormQE>(Services(), std::vector<std::string>{});
    Form->SetNavButtonState(1, TNavState::Normal);
    Form->SetActionState(1, TActionState::Normal);
    Window.Controls().Invalidate(platform::ControlRect{0, 0, 1024, 768});
    EXPECT_NO_THROW(Window.RunOnce());
    EXPECT_EQ(Form->NavPicture(1), nullptr);
}
