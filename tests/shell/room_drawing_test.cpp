#include <gtest/gtest.h>

#include "engine/graphics/ac8_exception.h"
#include "picture_library.h"
#include "shell/frame_set.h"
#include "shell/qe_exception.h"
#include "shell/script_message.h"
#include "shell/room_words.h"
#include "shell_test_fixture.h"
#include "test_world.h"

namespace {

std::uint8_t Background(std::int32_t x) { return std::uint8_t(1 + x % 200); }

// Notes what the room answers while it is entered, before the world draws it.
class TEnteringRoom final : public TRecordingRoom {
public:
    using TRecordingRoom::TRecordingRoom;
    void Enter(const std::string& fromRoom) override {
        TRecordingRoom::Enter(fromRoom);
        OnScreenWhileEntering = IsOnScreen();
        ViewWhileEntering = ShownView();
    }
    bool OnScreenWhileEntering = false;
    TAC8ImageData* ViewWhileEntering = nullptr;
};

class RoomDrawingTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        world = std::make_unique<TTestWorld>();
        world->Library = &pictures.Library;
        world->View = pictures.View;
        room = world->AddRoom(std::make_unique<TEnteringRoom>("toys"));
        room->SetBackgroundName("bg");
        room->Width = 1024;
        world->AddRoom(std::make_unique<TRecordingRoom>("attic"))->SetBackgroundName("bg");
    }
    void TearDown() override { world.reset(); }

    TFrameSet* AddStrip(std::string_view name, std::int32_t x, std::int32_t y) {
        return room->AddFrameSet(
            std::make_unique<TFrameSet>(name, MakeRect(x, y, x, y), 3, 10, "strip", &pictures.Library));
    }
    std::uint8_t At(std::int32_t x, std::int32_t y) { return pictures.View->GetPixel(TPoint{x, y}); }

    TPictureLibrary pictures;
    std::unique_ptr<TTestWorld> world;
    TEnteringRoom* room = nullptr;
};

TEST_F(RoomDrawingTest, TheBackgroundIsDrawnAtTheScrollOffsetWithFrameSetsAbove) {
    TFrameSet* strip = AddStrip("lamp", 20, 30);
    room->ScrollTo(150);
    world->GoRoom("TOYS");
    EXPECT_TRUE(room->IsDrawn());
    EXPECT_EQ(At(0, 0), Background(150));
    EXPECT_EQ(At(511, 319), Background(150 + 511));

    // The frame set was added before the scroll and moved with the background.
    EXPECT_EQ(strip->X, 20 - 150);
    strip->X = 20;
    strip->ShowFrame(pictures.View, 2);
    EXPECT_EQ(At(20, 30), 21);
    EXPECT_EQ(At(26, 38), 27);
    EXPECT_EQ(At(26, 39), 240);
    EXPECT_EQ(At(27, 30), Background(150 + 27));  // the strip's colour 0 is transparent
    EXPECT_EQ(strip->GetBounds(), MakeBounds(20, 30, 8, 30));

    // A frame equal to the frame count changes nothing and draws nothing.
    strip->ShowFrame(pictures.View, 3);
    EXPECT_EQ(strip->CurrentFrame, 2);

    // An invisible frame set draws nothing: a redraw shows the background in its place.
    strip->Visible = false;
    room->Draw(pictures.View);
    EXPECT_EQ(At(20, 30), Background(150 + 20));

    // A frame stored without a range check that lies outside the strip shows nothing.
    strip->Visible = true;
    strip->SetFrame(pictures.View, 7, false);
    room->Draw(pictures.View);
    EXPECT_EQ(At(20, 30), Background(150 + 20));
}

TEST_F(RoomDrawingTest, MarkedFrameSetsAndFlaggedRoomsDrawMirrored) {
    TFrameSet* mirrored = AddStrip("lamp~", 0, 0);
    world->GoRoom("TOYS");
    EXPECT_EQ(At(0, 0), Background(0));  // colour 0 of column 7 now comes first
    EXPECT_EQ(At(1, 0), 7);
    EXPECT_EQ(At(7, 0), 1);
    mirrored->ReleaseImage();

    room->FrameSets().Clear();
    AddStrip("lamp^", 0, 0)->ShowFrame(pictures.View, 0);
    EXPECT_EQ(At(0, 0), 240);  // the frame's last row comes first
    EXPECT_EQ(At(0, 9), 1);

    room->FrameSets().Clear();
    room->Flags |= kRoomFlipHorizontal;
    room->Draw(pictures.View);
    EXPECT_EQ(At(0, 0), Background(511));
    EXPECT_EQ(At(511, 0), Background(0));
}

TEST_F(RoomDrawingTest, LeavingReleasesEveryPicture) {
    AddStrip("lamp", 0, 0);
    world->GoRoom("TOYS");
    room->SaveUnder(pictures.View, MakeRect(0, 0, 10, 10));
    EXPECT_EQ(pictures.HeldImages(), 3);  // background, strip, saved rectangle
    world->GoRoom("ATTIC");
    EXPECT_FALSE(room->IsDrawn());
    EXPECT_EQ(room->GetBackground(), nullptr);
    EXPECT_EQ(pictures.HeldImages(), 1);  // the attic's background
    world->GoRoom("TOYS");  // pictures come back on the next entry
    EXPECT_EQ(pictures.HeldImages(), 2);
    EXPECT_EQ(At(0, 0), Background(0));
}

TEST_F(RoomDrawingTest, RedrawingARectangleTouchesOnlyItAndRestoresTheClip) {
    world->GoRoom("TOYS");
    pictures.View->FillRect(pictures.View->GetBounds(), 250);
    room->RedrawRect(pictures.View, MakeRect(10, 10, 20, 20));
    EXPECT_EQ(At(10, 10), Background(10));
    EXPECT_EQ(At(19, 19), Background(19));
    EXPECT_EQ(At(20, 10), 250);
    EXPECT_EQ(pictures.View->ClipRect(), pictures.View->GetBounds());

    // The clip comes back also when drawing fails.
    room->ReleaseGraphics(false);
    room->SetBackgroundName("missing");
    EXPECT_THROW(room->RedrawRect(pictures.View, MakeRect(0, 0, 5, 5)), AC8Exception);
    EXPECT_EQ(pictures.View->ClipRect(), pictures.View->GetBounds());
}

TEST_F(RoomDrawingTest, SaveUnderPutsTheRectangleBack) {
    world->GoRoom("TOYS");
    room->RestoreUnder(pictures.View);  // nothing saved: nothing happens
    room->SaveUnder(pictures.View, MakeRect(100, 50, 140, 60));
    pictures.View->FillRect(MakeRect(90, 40, 150, 70), 250);
    room->RestoreUnder(pictures.View);
    EXPECT_EQ(At(100, 50), Background(100));
    EXPECT_EQ(At(139, 59), Background(139));
    EXPECT_EQ(At(99, 50), 250);
    room->FreeSaveUnder();
    EXPECT_EQ(pictures.HeldImages(), 1);
}

TEST_F(RoomDrawingTest, TheCameraFlashShowsWhiteAndEndsTenTicksLater) {
    room->Handled = {"DELAY"};
    world->GoRoom("TOYS");
    world->TickTotal = 50;
    room->AddTimer(5, 3);
    room->RunScript("", "SNAPFLASH");
    EXPECT_TRUE(room->IsBlanked());
    EXPECT_EQ(At(0, 0), kFlashColour);
    EXPECT_EQ(At(511, 319), kFlashColour);
    ASSERT_NE(room->FindTimer(kSnapFlashTimer), nullptr);
    EXPECT_EQ(room->FindTimer(kSnapFlashTimer)->DueTick, 60);

    room->Messages.clear();
    while (world->TickTotal < 60) world->Tick();
    EXPECT_TRUE(room->IsBlanked());
    EXPECT_TRUE(room->Messages.empty());  // the due DELAY waits for the flash

    world->Tick();
    EXPECT_FALSE(room->IsBlanked());
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"|SNAPFLASH"}));
    EXPECT_EQ(At(0, 0), Background(0));
    world->Tick();
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"|SNAPFLASH", "|DELAY"}));
}

TEST_F(RoomDrawingTest, LeavingDuringTheFlashDoesNotComeBackWhite) {
    world->GoRoom("TOYS");
    room->RunScript("", "SNAPFLASH");
    world->DefaultCursor = 5;
    world->GoRoom("ATTIC");
    EXPECT_EQ(world->DefaultCursor, 0);
    world->GoRoom("TOYS");
    EXPECT_FALSE(room->IsBlanked());
    EXPECT_EQ(room->FindTimer(kSnapFlashTimer), nullptr);
    EXPECT_EQ(At(0, 0), Background(0));
}

TEST_F(RoomDrawingTest, AMissingBackgroundFailsInTheLibrary) {
    room->SetBackgroundName("nothere");
    EXPECT_THROW(room->Draw(pictures.View), AC8Exception);
    EXPECT_FALSE(room->IsDrawn());
    EXPECT_EQ(pictures.HeldImages(), 0);
}

TEST_F(RoomDrawingTest, FrameSetsOutlivingTheirLibraryDrawNothing) {
    auto library = std::make_unique<TPictureLibrary>();
    TFrameSet set("lamp", {}, 3, 10, "strip", &library->Library);
    set.Draw(library->View);
    EXPECT_TRUE(set.IsLoaded());
    library.reset();
    EXPECT_EQ(set.GetLibrary(), nullptr);
    set.Draw(pictures.View);  // no library: nothing, and no stale picture used
    EXPECT_FALSE(set.IsLoaded());
}

// The lamp: three frames of 10 rows and 8 columns, the last column see-through in each.
class RoomFramesTest : public RoomDrawingTest {
protected:
    void SetUp() override {
        RoomDrawingTest::SetUp();
        lamp = AddStrip("lamp", 20, 30);
    }
    // Paints the lamp's place over, as a frame before with other see-through parts would.
    void Smudge() { pictures.View->FillRect(MakeBounds(20, 30, 8, 10), 99); }

    TFrameSet* lamp = nullptr;
};

TEST_F(RoomFramesTest, TheRoomIsOnScreenFromItsEnterToItsLeaveAndShownOnlyWhileDrawnAndNotFlashing) {
    EXPECT_FALSE(room->IsOnScreen());
    EXPECT_EQ(room->ShownView(), nullptr);

    world->GoRoom("TOYS");
    // Entering counts as on screen already (timers and buttons are set up then), but nothing
    // is drawn before the world's first draw of the room.
    EXPECT_TRUE(room->OnScreenWhileEntering);
    EXPECT_EQ(room->ViewWhileEntering, nullptr);
    EXPECT_TRUE(room->IsOnScreen());
    EXPECT_EQ(room->ShownView(), pictures.View);

    // The camera flash: the view is white until the whole room is drawn again.
    room->RunScript("", std::string(room_words::kSnapFlash));
    EXPECT_TRUE(room->IsOnScreen());
    EXPECT_EQ(room->ShownView(), nullptr);
    room->RunScript("", std::string(room_words::kSnapFlash));
    EXPECT_EQ(room->ShownView(), pictures.View);

    world->GoRoom("ATTIC");
    EXPECT_FALSE(room->IsOnScreen());
    EXPECT_EQ(room->ShownView(), nullptr);
}

TEST_F(RoomFramesTest, ShowFrameRedrawsTheFramesPlaceFromTheBackgroundUpOnlyWhileShown) {
    // Off screen the frame is only kept; a frame outside the strip changes nothing.
    room->ShowFrame("lamp", 1);
    EXPECT_EQ(room->FrameOf("lamp"), 1);
    room->ShowFrame(*lamp, 3);
    room->ShowFrame(*lamp, -1);
    EXPECT_EQ(room->FrameOf("lamp"), 1);

    world->GoRoom("TOYS");
    EXPECT_EQ(At(20, 30), 11);
    Smudge();
    room->ShowFrame("lamp", 2);
    EXPECT_EQ(At(20, 30), 21);
    EXPECT_EQ(At(27, 30), Background(27));  // nothing of what lay there before

    // During the flash the frame changes, and the white stays.
    room->RunScript("", std::string(room_words::kSnapFlash));
    room->ShowFrame("lamp", 0);
    EXPECT_EQ(room->FrameOf("lamp"), 0);
    EXPECT_EQ(At(20, 30), kFlashColour);
}

TEST_F(RoomFramesTest, SetFrameDrawsOverTheViewWhileShownAndOtherwiseKeepsTheFrameAsGiven) {
    // Off screen: stored without a range check, drawing nothing.
    room->SetFrame("lamp", 7);
    EXPECT_EQ(room->FrameOf("lamp"), 7);
    room->StoreFrame("lamp", 1);

    world->GoRoom("TOYS");
    Smudge();
    room->SetFrame(*lamp, 2);
    EXPECT_EQ(At(20, 30), 21);
    EXPECT_EQ(At(27, 30), 99);  // drawn over: the see-through column shows what lay there
    // Shown, a frame outside the strip is refused.
    room->SetFrame("lamp", 3);
    EXPECT_EQ(room->FrameOf("lamp"), 2);

    // StoreFrame never draws, even on screen.
    room->StoreFrame("lamp", 0);
    EXPECT_EQ(room->FrameOf("lamp"), 0);
    EXPECT_EQ(At(20, 30), 21);
}

TEST_F(RoomFramesTest, AFrameSetTheRoomLacksIsTheMissingNodeError) {
    const auto raisesMissingNode = [](auto&& call) {
        try {
            call();
        } catch (const QEException& e) {
            return std::string(e.what()) == "NIL pointer detected";
        }
        return false;
    };
    EXPECT_TRUE(raisesMissingNode([&] { room->FrameOf("bell"); }));
    EXPECT_TRUE(raisesMissingNode([&] { room->StoreFrame("bell", 0); }));
    EXPECT_TRUE(raisesMissingNode([&] { room->ShowFrame("bell", 0); }));
    EXPECT_TRUE(raisesMissingNode([&] { room->SetFrame("bell", 0); }));
}

TEST(DigitOf, OneDigitStandingAloneWithinTheRange) {
    EXPECT_EQ(DigitOf("3", 1, 4), 3);
    EXPECT_EQ(DigitOf("0", 0, 7), 0);
    EXPECT_EQ(DigitOf("5", 1, 4), -1);
    EXPECT_EQ(DigitOf("0", 1, 4), -1);
    EXPECT_EQ(DigitOf("12", 1, 4), -1);
    EXPECT_EQ(DigitOf("", 1, 4), -1);
    EXPECT_EQ(DigitOf("A", 1, 4), -1);
}

}  // namespace
