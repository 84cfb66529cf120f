// The world's events through the headless game: key reports, the mouse capture, the busy
// state, errors inside a room change and inside a tick, sounds, focus and painting.
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/graphics/ac8_image_data.h"
#include "shell/qe_exception.h"
#include "shell/game_context.h"
#include "tests/support/game_harness.h"
#include "tests/support/test_house.h"

using testing_support::TGameHarness;
using testing_support::TTestHouseRoom;
using Names = std::vector<std::string>;

namespace {

class WorldEvents : public ::testing::Test {
protected:
    void SetUp() override {
        game.Start();
        game.Click("PLAY");
        living = &game.RoomAs<TTestHouseRoom>("LIVING");
        living->Messages.clear();
    }
    // Messages the living room heard with the given script word.
    Names Heard(const std::string& script) const {
        Names heard;
        for (const std::string& m : living->Messages)
            if (m.rfind(script + "|", 0) == 0) heard.push_back(m);
        return heard;
    }

    TGameHarness game;
    TTestHouseRoom* living = nullptr;
};

TEST_F(WorldEvents, ShiftIsReportedWhenItChangesBetweenTicksWithBothKeysAsTheyStand) {
    living->Flags |= kRoomWantsShift;
    game.Tick();
    game.SetKeys(true, false);
    game.SetKeys(false, false);  // pressed and released between two ticks
    game.Tick();
    EXPECT_TRUE(Heard("SHIFT").empty());

    game.SetKeys(true, false);
    game.Tick(3);
    game.SetKeys(true, true);
    game.Tick();
    game.SetKeys(false, false);
    game.Tick();
    EXPECT_EQ(Heard("SHIFT"), (Names{"SHIFT|Sc", "SHIFT|SC", "SHIFT|sc"}));
    EXPECT_FALSE(game.HasFlag(kWorldShiftDown));

    // A room that did not ask hears nothing, though the flags follow the keys.
    living->Flags &= static_cast<std::uint16_t>(~kRoomWantsShift);
    game.SetKeys(false, true);
    game.Tick();
    EXPECT_EQ(Heard("SHIFT").size(), 3u);
    EXPECT_TRUE(game.HasFlag(kWorldCtrlDown));
}

TEST_F(WorldEvents, DeleteIsReportedOnlyWhenItGoesDown) {
    living->Flags |= kRoomWantsDelete;
    game.SetKeys(true, false, true);
    game.Tick();
    game.Tick();
    game.SetKeys(true, false, false);
    game.Tick();
    EXPECT_EQ(Heard("DELETE"), Names{"DELETE|Sc"});
    EXPECT_FALSE(game.HasFlag(kWorldDeleteDown));
}

TEST_F(WorldEvents, AControlBoxHoldsTheMouseFromPressToRelease) {
    game.Drag("DRAG", TPoint{400, 300}, 2);
    EXPECT_EQ(living->Events, (Names{"DRAG down 50,50", "DRAG drag 125,125", "DRAG drag 200,200", "DRAG up 200,200"}));
    EXPECT_EQ(game.World().GetCapturedBox(), nullptr);

    // While held, the box has every tick, and moves away from it still reach it. The tick
    // after the press puts the pointer back where it is, which the box hears as a drag.
    living->Events.clear();
    game.MouseDown(TPoint{210, 110});
    EXPECT_EQ(game.World().GetCapturedBox(), living->FindHitBox("DRAG"));
    EXPECT_EQ(game.ViewCursor(), 3);
    game.Tick();
    game.MouseMove(TPoint{5, 5});
    EXPECT_EQ(living->Events, (Names{"DRAG down 10,10", "DRAG tick 10,10", "DRAG drag 10,10", "DRAG drag -195,-95"}));

    // A press elsewhere ends the capture.
    game.MouseDown(TPoint{500, 300});
    EXPECT_EQ(game.World().GetCapturedBox(), nullptr);
}

TEST_F(WorldEvents, APlainBoxClicksWithoutCaptureAndAHoverBoxCapturesOnEntry) {
    game.Click("COUNT");
    EXPECT_EQ(living->Counter, 1);
    EXPECT_EQ(game.World().GetCapturedBox(), nullptr);
    EXPECT_EQ(game.Window().MouseRefreshes, 0);
    game.Tick();
    EXPECT_EQ(game.Window().MouseRefreshes, 1);

    THitBox* drag = living->FindHitBox("DRAG");
    drag->Hover = true;
    game.MouseMove(TPoint{220, 120});
    EXPECT_EQ(living->Events, Names{"DRAG enter 20,20"});
    EXPECT_EQ(game.World().GetCapturedBox(), drag);
    living->KeepCapture = false;
    game.MouseMove(TPoint{221, 120});
    EXPECT_EQ(game.World().GetCapturedBox(), nullptr);
}

TEST_F(WorldEvents, TheCursorFollowsTheBoxUnderTheMouse) {
    game.World().SetDefaultCursor(5);
    game.MouseMove(TPoint{30, 30});
    EXPECT_EQ(game.ViewCursor(), 1);
    game.MouseMove(TPoint{500, 300});
    EXPECT_EQ(game.ViewCursor(), 5);
    // After a change the new room's box under the resting mouse sets it.
    game.MouseMove(TPoint{250, 150});
    game.World().GoRoom("KITCHEN");
    EXPECT_EQ(game.ViewCursor(), 3);
}

TEST_F(WorldEvents, WhileBusyTheMouseAndTheTutorAndAboutButtonsAreIgnored) {
    game.World().SetBusy(true);
    EXPECT_TRUE(game.Window().BusyCursor);
    game.Click("COUNT");
    game.PressTutor();
    game.PressAbout();
    EXPECT_EQ(living->Counter, 0);
    EXPECT_TRUE(living->Messages.empty());
    EXPECT_EQ(game.RoomName(), "LIVING");

    game.World().SetBusy(false);
    EXPECT_FALSE(game.Window().BusyCursor);
    game.Click("COUNT");
    EXPECT_EQ(living->Counter, 1);
}

TEST_F(WorldEvents, AGameErrorInsideEnterIsShownAndTheRoomStillBecomesCurrent) {
    game.RoomAs<TTestHouseRoom>("KITCHEN").OnEnter = [](const std::string&) { RaiseGameError(GameStringNilPointer); };
    game.Boxes().QueueAnswer(platform::MessageAnswer::Yes);
    game.Click("TOKITCHEN");
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Text, u"Quit game?\r\n\r\nNIL pointer detected");
    EXPECT_EQ(game.Messages()[0].Icon, platform::MessageIcon::Error);
    EXPECT_EQ(game.RoomName(), "KITCHEN");
    EXPECT_EQ(game.ViewPixel(0, 0), testing_support::kTestHouseColour + 2);
    EXPECT_TRUE(game.HasFlag(kWorldQuit));
    EXPECT_FALSE(game.HasFlag(kWorldBusy));
}

TEST_F(WorldEvents, AForeignErrorInsideEnterShowsTwoBoxesPassesOnAndLeavesTheMouseWorking) {
    game.RoomAs<TTestHouseRoom>("KITCHEN").OnEnter = [](const std::string&) { throw std::logic_error("bug"); };
    EXPECT_THROW(game.World().GoRoom("KITCHEN"), std::logic_error);
    ASSERT_EQ(game.Messages().size(), 2u);
    EXPECT_EQ(game.Messages()[0].Text, u"GoRoom: exception C caught");
    EXPECT_EQ(game.Messages()[1].Text, u"GoRoom: exception F caught");
    EXPECT_EQ(game.RoomName(), "LIVING");
    EXPECT_FALSE(game.HasFlag(kWorldBusy));
    EXPECT_FALSE(game.Window().BusyCursor);
}

TEST_F(WorldEvents, AnErrorWhileLeavingIsShownAndTheChangeGoesOn) {
    living->OnLeave = [] { throw std::runtime_error("stuck"); };
    game.Click("TOKITCHEN");
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Text, u"GoRoom: exception B caught");
    EXPECT_EQ(game.RoomName(), "KITCHEN");
    // The room that failed to leave is not on the stack and not named as the one left.
    EXPECT_EQ(game.Stack(), Names{"TITLE"});
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("KITCHEN").EnteredFrom, Names{""});
}

TEST_F(WorldEvents, AnErrorInsideATickIsShownAndLaterTicksRunOn) {
    living->OnScript = [](const std::string& script, const std::string&) {
        if (script.empty()) RaiseGameError(GameStringNilPointer);
        return false;
    };
    living->AddTimer(20, 1);  // an event of (empty, word): the hook raises
    living->AddTimer(21, 3);
    game.Tick(2);
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Text, u"Quit game?\r\n\r\nNIL pointer detected");
    const std::int32_t before = game.World().GetTickTotal();
    game.Tick(3);
    EXPECT_EQ(game.World().GetTickTotal(), before + 3);
    EXPECT_EQ(game.Messages().size(), 2u);  // the second timer fired in a later tick
    EXPECT_FALSE(game.HasFlag(kWorldQuit));
}

TEST_F(WorldEvents, TheIdleFlagIsSetBeforeEachTickAndClearedAfterTheRoomsTimers) {
    bool idleDuringTimer = false;
    living->OnScript = [&](const std::string& script, const std::string&) {
        if (script == "ANIMATE") idleDuringTimer = game.HasFlag(kWorldIdle);
        return true;
    };
    living->AddTimer(7, 1);
    game.Tick(2);
    EXPECT_TRUE(idleDuringTimer);
    EXPECT_FALSE(game.HasFlag(kWorldIdle));
}

TEST_F(WorldEvents, TheEndOfASoundReachesTheCurrentRoomAndTheFireSoundsReachTheLivingRoom) {
    game.Click("TOKITCHEN");
    auto& kitchen = game.RoomAs<TTestHouseRoom>("KITCHEN");
    game.Context().PlaySound(3);
    EXPECT_EQ(game.SoundLog(), std::vector<int>{3});
    EXPECT_TRUE(game.CompleteSound());
    EXPECT_EQ(kitchen.Messages.back(), "ENDOFSOUND|3");

    game.World().SoundEnded(23);
    EXPECT_EQ(living->Messages.back(), "ENDOFSOUND|23");
    EXPECT_NE(kitchen.Messages.back(), "ENDOFSOUND|23");
}

TEST_F(WorldEvents, FocusChangesAreReportedOnceAndAnInactiveWindowDoesNotTick) {
    game.Tick();
    EXPECT_EQ(Heard("FOCUS"), Names{"FOCUS|T"});
    EXPECT_TRUE(game.HasFlag(kWorldActive));
    const std::int32_t before = game.World().GetTickTotal();
    game.SetActive(false);
    game.Tick(4);
    EXPECT_EQ(Heard("FOCUS"), (Names{"FOCUS|T", "FOCUS|F"}));
    EXPECT_EQ(game.World().GetTickTotal(), before);
}

TEST_F(WorldEvents, DrawingShowsOnThePlayAreaThroughTheLibraryPalette) {
    // The test house's palette entry i is (i, 255 - i, i / 2). A room change shows at the
    // next tick.
    game.Tick();
    const std::uint32_t colour = testing_support::kTestHouseColour + 1;
    const std::uint32_t rgb = (colour << 16) | ((255 - colour) << 8) | (colour / 2);
    EXPECT_EQ(game.ScreenPixel(1, 1), rgb);
    EXPECT_EQ(game.ScreenPixel(512, 320), rgb);
    EXPECT_EQ(game.ScreenPixel(0, 10), 0u);

    game.View().FillRect(MakeRect(10, 10, 20, 20), 100);
    EXPECT_EQ(game.ScreenPixel(11, 11), rgb);
    game.Tick();
    EXPECT_EQ(game.ScreenPixel(11, 11), 0x00649B32u);
    EXPECT_FALSE(game.View().HasDamage());
}

}  // namespace
