#include <gtest/gtest.h>

#include "engine/graphics/ac8_image_data.h"
#include "picture_library.h"
#include "shell/frame_set.h"
#include "shell/qe_exception.h"
#include "shell/room_words.h"
#include "shell/script_message.h"
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

class RoomFramesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        world = std::make_unique<TTestWorld>();
        world->Library = &pictures.Library;
        world->View = pictures.View;
        room = world->AddRoom(std::make_unique<TEnteringRoom>("toys"));
        room->SetBackgroundName("bg");
        world->AddRoom(std::make_unique<TRecordingRoom>("attic"))->SetBackgroundName("bg");
        // Three frames of 10 rows, 8 columns; the last column is see-through in each.
        lamp = room->AddFrameSet(std::make_unique<TFrameSet>("lamp", MakeRect(20, 30, 20, 30), 3, 10, "strip",
                                                             &pictures.Library));
    }
    void TearDown() override { world.reset(); }

    std::uint8_t At(std::int32_t x, std::int32_t y) { return pictures.View->GetPixel(TPoint{x, y}); }
    // Paints the lamp's place over, as a frame before with other see-through parts would.
    void Smudge() { pictures.View->FillRect(MakeBounds(20, 30, 8, 10), 99); }

    TPictureLibrary pictures;
    std::unique_ptr<TTestWorld> world;
    TEnteringRoom* room = nullptr;
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
