// The slate room played through its boxes: panel, wells, icons, the eraser, the saved record.
#include "tests/rooms/slate/slate_game.h"

#include "tests/shell/test_world.h"
#include "tests/support/record_framing.h"

namespace slate_tests {
namespace {

using platform::MessageAnswer;

class SlateRoomTest : public SlateGame {
protected:
    void SetUp() override { EnterSlate(); }

    std::vector<int> Slots() {
        std::vector<int> out;
        for (std::uint8_t s : Room().IconSlots()) out.push_back(s);
        return out;
    }

    // Clicks the icon strip at slot a.
    void ClickIcon(int a) {
        const TPoint at{108 + 19 * (a - 1) + 9, 252 + 9};
        Game->MouseDown(at);
        Game->MouseUp(at);
        Game->Tick(1);
    }

    std::uint8_t MapIndexOf(int n) {
        std::uint8_t index = 0;
        EXPECT_TRUE(Drawing().GetMapIndex(n, index));
        return index;
    }
};

TEST_F(SlateRoomTest, ItStartsOnAnUnfilledFirstPageWithTheFirstButtonLit) {
    EXPECT_EQ(Room().Page(), 1);
    EXPECT_EQ(Room().Colour(), 1);
    EXPECT_EQ(Room().BackgroundButton(), 1);
    EXPECT_TRUE(Room().Lit(1));
    EXPECT_NE(Room().Flags & kRoomWantsShift, 0);
    EXPECT_NE(Room().Flags & kRoomSnapEnabled, 0);
    EXPECT_EQ(Room().Flags & kRoomWrapEnabled, 0) << "the slate offers no WRAP";
    const TSlateSeed seed = Drawing().Background()->Record().Seeds[0];
    EXPECT_EQ(SlatePixel({seed.X, seed.Y}), kUnfilledColour);
    EXPECT_FALSE(Game->Room()->FindHitBox("ERASER")->IsEnabled());
}

TEST_F(SlateRoomTest, TheWorkshopLeadsHereAndTheTutorToTheHelpPages) {
    Game->World().GoRoom("WORKSHOP");
    Game->Tick(1);
    Game->Click("GO_R_END");
    Game->Tick(10);
    Game->Click("#566SLT");
    Game->Tick(1);
    ASSERT_EQ(Game->RoomName(), "SLATE");
    EXPECT_EQ(Game->Window().HomeIndex, 2);
    Game->PressTutor();
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "MSTEXT>");
    Game->Click("NEXT");
    EXPECT_EQ(Game->RoomName(), "MS2<");
    EXPECT_EQ(Shown(), "");
}

TEST_F(SlateRoomTest, WellsAndBrightnessChooseTheFillColour) {
    Game->Click("3W");
    EXPECT_EQ(Room().Colour(), 3);
    EXPECT_EQ(Room().WellColour(3), 241);
    Game->Click("BRIGHT");
    EXPECT_TRUE(Room().Bright());
    EXPECT_EQ(Room().WellColour(3), 10);
    const TSlateSeed seed = Drawing().Background()->Record().Seeds[0];
    const TPoint view{seed.X + 15, seed.Y + 15};
    Game->MouseDown(view);
    Game->MouseUp(view);
    Game->Tick(1);
    EXPECT_EQ(Game->ViewPixel(view.X, view.Y), 10);
    // A digit outside the wells changes nothing.
    Room().RunScript("COLOR", "9W");
    EXPECT_EQ(Room().Colour(), 3);
}

TEST_F(SlateRoomTest, BackgroundButtonsPickThePagesAndKeepTheStickers) {
    AddSticker(5);
    Game->Click("XPANEL2");
    EXPECT_EQ(Room().Page(), 2);
    Game->Click("4");
    EXPECT_EQ(Drawing().BackgroundIndex(), 3);
    EXPECT_FALSE(Drawing().Uncoloured());
    EXPECT_EQ(Room().BackgroundButton(), 8);
    EXPECT_TRUE(Room().Lit(4));
    EXPECT_EQ(Drawing().StickerCount(), 1) << "choosing a page keeps the stickers";
    Game->Click("XPANEL1");
    EXPECT_FALSE(Room().Lit(1)) << "the lit page button is on page 2";
    Room().RunScript("BG", "7");
    EXPECT_EQ(Drawing().BackgroundIndex(), 3) << "no such button";
}

TEST_F(SlateRoomTest, AStickerButtonAddsOnceWhileLitAndFifteenFillTheSlate) {
    Game->Click("5");
    EXPECT_EQ(Room().StickerCount(), 1);
    EXPECT_EQ(MapIndexOf(1), 8);
    EXPECT_TRUE(Room().Lit(5));
    Game->Click("5");  // still lit: only lets it go
    EXPECT_EQ(Room().StickerCount(), 1);
    EXPECT_FALSE(Room().Lit(5));
    EXPECT_EQ(Room().SelectedIcon(), 0) << "any panel press deselects first";
    Game->Tick(6);
    for (int i = 0; i < 14; ++i) AddSticker(6 + i % 7);
    EXPECT_EQ(Room().StickerCount(), 15);
    EXPECT_FALSE(Game->Room()->FindHitBox("5")->IsEnabled());
    EXPECT_FALSE(Game->Room()->FindHitBox("12")->IsEnabled());
    Room().RunScript("BTN", "6");
    EXPECT_EQ(Room().StickerCount(), 15) << "a full slate takes no more";
    EXPECT_EQ(Drawing().StickerCount(), 15);
    // Deleting one brings the buttons back.
    EXPECT_EQ(Room().SelectedIcon(), 0);
    ClickIcon(3);
    Game->Click("ERASER");
    EXPECT_EQ(Room().StickerCount(), 14);
    EXPECT_TRUE(Game->Room()->FindHitBox("5")->IsEnabled());
}

TEST_F(SlateRoomTest, RaisingFromTheIconsRenumbersTheSlotsButKeepsTheirOrder) {
    AddSticker(5);
    AddSticker(6);
    AddSticker(7);
    EXPECT_EQ(Slots(), (std::vector<int>{1, 2, 3, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}));
    ClickIcon(1);
    EXPECT_EQ(Room().SelectedIcon(), 1);
    EXPECT_EQ(MapIndexOf(3), 8) << "the first sticker is now on top";
    EXPECT_EQ(Slots(), (std::vector<int>{3, 1, 2, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}));
    EXPECT_TRUE(Game->Room()->FindHitBox("ERASER")->IsEnabled());
    EXPECT_TRUE(Game->Room()->FindHitBox("FLOP")->IsEnabled());

    // Slot 2 (index 9) raised too; deleting it moves the later slots down.
    ClickIcon(2);
    EXPECT_EQ(Slots(), (std::vector<int>{2, 3, 1, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}));
    Game->Click("ERASER");
    EXPECT_EQ(Room().StickerCount(), 2);
    EXPECT_EQ(Slots(), (std::vector<int>{2, 1, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(MapIndexOf(1), 10);
    EXPECT_EQ(MapIndexOf(2), 8);
    EXPECT_EQ(Room().SelectedIcon(), 0);
    EXPECT_FALSE(Game->Room()->FindHitBox("ERASER")->IsEnabled());
}

TEST_F(SlateRoomTest, ASelectedStickerDragsMirrorsAndHalves) {
    AddSticker(5);
    EXPECT_EQ(Room().SelectedIcon(), 1);
    EXPECT_EQ(Room().MirrorState(), 1);
    const TPoint start = Drawing().Sticker(1)->Position;
    const TPoint grab{start.X + 20 + 15, start.Y + 20 + 15};
    Game->MouseDown(grab);
    Game->MouseMove({grab.X + 30, grab.Y + 10});
    Game->MouseUp({grab.X + 30, grab.Y + 10});
    Game->Tick(1);
    EXPECT_EQ(Drawing().Sticker(1)->Position, (TPoint{start.X + 30, start.Y + 10}));
    EXPECT_EQ(Drawing().ObjectAt(OnRegion(1)), 1) << "the chart follows the drop";
    Game->Click("FLOP");
    EXPECT_TRUE(Drawing().IsMirrored(1));
    EXPECT_EQ(Room().MirrorState(), 2);
    Game->Click("HALF");
    EXPECT_TRUE(Drawing().IsHalf(1));
    EXPECT_EQ(Room().HalfState(), 2);
    // Hovering over the slate shows the hand on the sticker and never takes the mouse.
    Game->MouseMove({OnRegion(1).X + 15, OnRegion(1).Y + 15});
    Game->Tick(1);
    EXPECT_EQ(Game->Room()->FindHitBox("SLATE")->Cursor, 4);
    Game->MouseMove({3 + 15, 3 + 15});
    Game->Tick(1);
    EXPECT_EQ(Game->Room()->FindHitBox("SLATE")->Cursor, 21);
    Game->Click("1W");
    EXPECT_EQ(Room().Colour(), 1);
}

TEST_F(SlateRoomTest, ShiftEraserAsksAndNoLeavesTheSlate) {
    AddSticker(5);
    AddSticker(6);
    Game->Room()->RunScript("BG", "2");
    Game->SetKeys(true, false);
    Game->Tick(1);
    EXPECT_TRUE(Game->Room()->FindHitBox("ERASER")->IsEnabled()) << "Shift with stickers enables the eraser";
    Game->Boxes().QueueAnswer(MessageAnswer::No);
    Game->Click("ERASER");
    EXPECT_EQ(Shown(), "Delete all objects in scene?\n");
    EXPECT_EQ(Room().StickerCount(), 2);
    Game->Boxes().ClearShown();

    // Shift and Ctrl uncolour everything after asking.
    Game->SetKeys(true, true);
    Game->Tick(1);
    Game->Boxes().QueueAnswer(MessageAnswer::Yes);
    Game->Click("ERASER");
    EXPECT_EQ(Shown(), "Remove all coloring in scene?\n");
    for (std::uint8_t c : Drawing().Sticker(2)->State().Colours) EXPECT_EQ(c, kUncolouredSticker);
    for (std::uint8_t c : Drawing().Background()->State().Colours) EXPECT_EQ(c, kUnfilledColour);
    Game->Boxes().ClearShown();

    // Shift alone and Yes: everything goes, the selection with it.
    ClickIcon(1);
    Game->SetKeys(true, false);
    Game->Tick(1);
    Game->Boxes().QueueAnswer(MessageAnswer::Yes);
    Game->Click("ERASER");
    EXPECT_EQ(Room().StickerCount(), 0);
    EXPECT_EQ(Drawing().StickerCount(), 0);
    EXPECT_EQ(Room().SelectedIcon(), 0);
    EXPECT_EQ(Slots(), std::vector<int>(15, 255));
    EXPECT_FALSE(Game->Room()->FindHitBox("ERASER")->IsEnabled());
}

TEST_F(SlateRoomTest, CtrlEraserUncoloursOnlyTheSelectedSticker) {
    AddSticker(5);
    AddSticker(6);
    Game->SetKeys(false, true);
    Game->Tick(1);
    Game->Click("ERASER");
    for (std::uint8_t c : Drawing().Sticker(2)->State().Colours) EXPECT_EQ(c, kUncolouredSticker);
    EXPECT_NE(Drawing().Sticker(1)->State().Colours, std::vector<std::uint8_t>(Drawing().Sticker(1)->State().Colours.size(), kUncolouredSticker));
    EXPECT_EQ(Room().StickerCount(), 2);
}

TEST_F(SlateRoomTest, TheRecordRoundTripsExactlyAndSurvivesARestart) {
    AddSticker(5);
    Game->Click("XPANEL2");
    Game->Click("XPANEL2");
    AddSticker(9);
    Game->Click("FLOP");
    Game->Click("HALF");
    Game->Click("2");
    Game->Click("6W");
    ClickIcon(1);
    const std::vector<std::uint8_t> record = Record();

    auto fresh = CreateRoomOfKind("SLATE", "COPY");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(testing_support::CheckRoomRecordFraming(Room(), *fresh), "");

    Game->Restart();
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(Record(), record);
    Game->World().GoRoom("SLATE");
    Game->Tick(1);
    EXPECT_EQ(Room().Page(), 3);
    EXPECT_EQ(Room().Colour(), 6);
    EXPECT_EQ(Drawing().StickerCount(), 2);
    EXPECT_TRUE(Drawing().IsHalf(1) || Drawing().IsHalf(2));
    EXPECT_EQ(Record(), record);
}

TEST_F(SlateRoomTest, TheDrawingOutlivesLeavingAndGoesWhenTheRoomIsTakenDown) {
    // A room of its own: the game's slate room must keep its drawing for the game's last save.
    TTestWorld world;
    auto* room = world.AddRoom(std::make_unique<TSlateRoom>("SLATE"));
    room->ReleaseGraphics(false);
    EXPECT_TRUE(room->HasDrawing()) << "letting the pictures go keeps the drawing";
    room->ReleaseGraphics(true);
    EXPECT_FALSE(room->HasDrawing());
    room->Leave();  // whatever the house still asks of the room finds nothing to do
}

TEST_F(SlateRoomTest, DamagedRecordsAreRefused) {
    AddSticker(5);
    AddSticker(6);
    const std::vector<std::uint8_t> good = Record();
    const std::size_t tail = good.size() - 20;  // bright, button, page, colour, count, slots
    const auto refused = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        TMemoryStream s(bytes);
        auto room = CreateRoomOfKind("SLATE", "DAMAGED");
        try {
            room->ReadData(s);
        } catch (const QEException& e) {
            return std::string(e.what()) == "Saved game is damaged.";
        }
        return false;
    };
    EXPECT_TRUE(refused(tail, 2));
    EXPECT_TRUE(refused(tail + 1, 0));
    EXPECT_TRUE(refused(tail + 1, 17));
    EXPECT_TRUE(refused(tail + 2, 5));
    EXPECT_TRUE(refused(tail + 3, 9));
    EXPECT_TRUE(refused(tail + 4, 3)) << "count differs from the drawing's";
    EXPECT_TRUE(refused(tail + 5, 2)) << "a sticker shown twice";
    EXPECT_TRUE(refused(tail + 5, 3)) << "a slot beyond the count";
    EXPECT_TRUE(refused(tail + 7, 1)) << "an empty slot that is not 255";
}

}  // namespace
}  // namespace slate_tests
