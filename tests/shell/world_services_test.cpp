// What a room reaches of the world through its own view of it (TRoomWorld), played through
// the headless game: the buttons refreshed mid-visit, the flags rooms own and read, the
// cursor refresh, the hourglass around a piece of work and the saved game's version.
#include <gtest/gtest.h>

#include <stdexcept>

#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "shell/room_world.h"
#include "tests/support/game_harness.h"
#include "tests/support/test_house.h"

using testing_support::TGameHarness;
using testing_support::THarnessOptions;
using testing_support::TTestHouseRoom;

namespace {

// The world as the room sees it: no downcast, only what a room may call.
TRoomWorld& WorldOf(TRoom& room) { return *room.GetWorld(); }

class WorldServices : public ::testing::Test {
protected:
    void SetUp() override {
        game.Start();
        game.Click("PLAY");
        living = &game.RoomAs<TTestHouseRoom>("LIVING");
    }
    // Runs `work` when the living room hears the COUNT box.
    void OnCount(std::function<void(TTestHouseRoom&)> work) {
        living->OnScript = [this, work](const std::string& script, const std::string&) {
            if (script != "COUNT") return false;
            work(*living);
            return true;
        };
    }

    TGameHarness game;
    TTestHouseRoom* living = nullptr;
};

TEST_F(WorldServices, ButtonsChangedInEnterOrDuringAVisitShowAtOnce) {
    auto& kitchen = game.RoomAs<TTestHouseRoom>("KITCHEN");
    kitchen.OnEnter = [&kitchen](const std::string&) {
        // The jukebox's way: the buttons were set before Enter; the room changes its mind.
        kitchen.NavigationMask = 0x1;
        kitchen.Flags |= kRoomSnapEnabled;
        WorldOf(kitchen).UpdateNavButtons(kitchen);
        WorldOf(kitchen).UpdateActionButtons(kitchen);
    };
    game.PressNav(4);
    ASSERT_EQ(game.RoomName(), "KITCHEN");
    auto& window = game.Window();
    EXPECT_EQ(window.NavStates, (std::array{TNavState::Disabled, TNavState::Normal, TNavState::Normal, TNavState::Current}));
    EXPECT_EQ(window.ActionCommands[0], TActionCommand::Snap);
    EXPECT_EQ(window.ActionStates[0], TActionState::Normal);

    // In the middle of a visit (the bedroom's lamp going out): everything greyed at once.
    kitchen.OnScript = [&kitchen](const std::string& script, const std::string&) {
        if (script != "COUNT") return false;
        kitchen.Flags |= kRoomNoNavigation;
        kitchen.Flags &= static_cast<std::uint16_t>(~(kRoomSnapOffered | kRoomWrapOffered));
        WorldOf(kitchen).UpdateNavButtons(kitchen);
        WorldOf(kitchen).UpdateActionButtons(kitchen);
        return true;
    };
    game.Click("COUNT");
    EXPECT_TRUE(window.NavGreyed);
    for (TNavState state : window.NavStates) EXPECT_EQ(state, TNavState::Disabled);
    for (TActionCommand command : window.ActionCommands) EXPECT_EQ(command, TActionCommand::None);
}

TEST_F(WorldServices, RoomsSetOnlyTheFlagsTheyOwnAndReadTheKeysAndIdle) {
    OnCount([](TTestHouseRoom& room) {
        WorldOf(room).SetRoomFlags(kWorldLivingMusic | kWorldQuit | kWorldBusy, true);
    });
    game.Click("COUNT");
    EXPECT_TRUE(game.HasFlag(kWorldLivingMusic));
    // The world's own flags are not the room's to set: the game does not end, the mouse works.
    EXPECT_FALSE(game.HasFlag(kWorldQuit));
    EXPECT_FALSE(game.HasFlag(kWorldBusy));

    game.Tick();
    ASSERT_TRUE(game.HasFlag(kWorldActive));
    OnCount([](TTestHouseRoom& room) { WorldOf(room).SetRoomFlags(kWorldLivingMusic | kWorldActive, false); });
    game.Click("COUNT");
    EXPECT_FALSE(game.HasFlag(kWorldLivingMusic));
    EXPECT_TRUE(game.HasFlag(kWorldActive));

    // A timer's handler sees the keys as the tick found them, and the idle moment before it.
    std::vector<std::uint16_t> seen;
    living->OnScript = [&](const std::string&, const std::string& sender) {
        if (sender != "DELAY") return false;
        seen.push_back(WorldOf(*living).GetFlags());
        return true;
    };
    game.SetKeys(true, true);
    living->AddTimer(5, 0);
    game.Tick();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0] & kWorldShiftDown, 0);
    EXPECT_NE(seen[0] & kWorldCtrlDown, 0);
    EXPECT_NE(seen[0] & kWorldIdle, 0);
    game.SetKeys(false, true);
    living->AddTimer(5, 0);
    game.Tick();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1] & kWorldShiftDown, 0);
    EXPECT_NE(seen[1] & kWorldCtrlDown, 0);
}

TEST_F(WorldServices, ACursorRefreshMovesThePointerAtTheNextTick) {
    game.Tick();
    const int before = game.Window().MouseRefreshes;
    // Through a timer, so no mouse event of the click asks for a refresh of its own.
    living->OnScript = [&](const std::string&, const std::string& sender) {
        if (sender != "DELAY") return false;
        WorldOf(*living).RequestCursorRefresh();
        return true;
    };
    living->AddTimer(5, 0);
    game.Tick();
    EXPECT_EQ(game.Window().MouseRefreshes, before);
    game.Tick();
    EXPECT_EQ(game.Window().MouseRefreshes, before + 1);
    game.Tick();
    EXPECT_EQ(game.Window().MouseRefreshes, before + 1);
}

TEST_F(WorldServices, TheHourglassLastsAsLongAsTheWorkAlsoWhenItFails) {
    bool duringWork = false;
    OnCount([&](TTestHouseRoom& room) {
        THourglass hourglass(WorldOf(room));
        duringWork = game.Window().BusyCursor;
    });
    game.Click("COUNT");
    EXPECT_TRUE(duringWork);
    EXPECT_FALSE(game.Window().BusyCursor);

    // A failure inside the work: the error is shown, the cursor comes back.
    OnCount([](TTestHouseRoom& room) {
        THourglass hourglass(WorldOf(room));
        throw std::runtime_error("printer on fire");
    });
    EXPECT_ANY_THROW(game.Click("COUNT"));
    EXPECT_FALSE(game.Window().BusyCursor);

    // Nested work and a room change inside it: the hourglass stays until the outer work ends.
    bool afterInner = false, afterChange = false;
    OnCount([&](TTestHouseRoom& room) {
        THourglass outer(WorldOf(room));
        { THourglass inner(WorldOf(room)); }
        afterInner = game.Window().BusyCursor;
        WorldOf(room).GoRoom("KITCHEN");
        afterChange = game.Window().BusyCursor;
    });
    game.Click("COUNT");
    EXPECT_TRUE(afterInner);
    EXPECT_TRUE(afterChange);
    EXPECT_EQ(game.RoomName(), "KITCHEN");
    EXPECT_FALSE(game.Window().BusyCursor);
    EXPECT_FALSE(game.HasFlag(kWorldBusy));
}

// A room whose record's form depends on the saved game's version.
class TVersionedRoom : public TTestHouseRoom {
public:
    using TTestHouseRoom::TTestHouseRoom;
    void ReadData(TStream& s) override {
        VersionSeen = GetWorld()->GetFileVersion();
        TTestHouseRoom::ReadData(s);
    }
    int VersionSeen = -1;
};

TEST(WorldServicesSavedGame, ARoomReadsTheFilesVersionInsideReadData) {
    THarnessOptions options;
    options.BuildRooms = [](TWorld& world) {
        testing_support::BuildTestHouse(world);
        world.AddRoom(std::make_unique<TVersionedRoom>("ALBUM"));
    };
    TGameHarness game(options);
    game.Start();
    game.Close();

    std::vector<std::uint8_t> bytes = ReadWholeFile(game.SavedGameFile());
    ASSERT_GT(bytes.size(), 7u);
    game.Start();
    EXPECT_EQ(game.RoomAs<TVersionedRoom>("ALBUM").VersionSeen, 9);
    game.Close();

    bytes[6] = 7;
    game.Folder().Write("Default.qeg", bytes);
    game.Start();
    EXPECT_EQ(game.RoomAs<TVersionedRoom>("ALBUM").VersionSeen, 7);
}

}  // namespace
