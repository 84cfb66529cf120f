// The world's room changes through the headless game: the start, the return stack, the
// order of a change's stages, unknown rooms, full-frame rooms and the window's buttons.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_image_data.h"
#include "foundation/stream.h"
#include "shell/qe_exception.h"
#include "shell/view_size.h"
#include "shell/world_room_roles.h"
#include "tests/support/game_harness.h"
#include "tests/support/test_house.h"

using testing_support::kTestHouseColour;
using testing_support::TGameHarness;
using testing_support::THarnessOptions;
using testing_support::TTestHouseRoom;
using Names = std::vector<std::string>;

namespace {

// The test house with a change made to it before the game starts.
THarnessOptions HouseWith(std::function<void(TWorld&)> change) {
    THarnessOptions options;
    options.BuildRooms = [change](TWorld& world) {
        testing_support::BuildTestHouse(world);
        change(world);
    };
    return options;
}

TTestHouseRoom& HouseRoom(TWorld& world, std::string_view name) { return dynamic_cast<TTestHouseRoom&>(*world.FindRoom(name)); }

TEST(WorldNavigation, StartsInTheStartRoomAndGoesWhereBoxesSay) {
    TGameHarness game;
    game.Start();
    EXPECT_EQ(game.RoomName(), "TITLE");
    EXPECT_TRUE(game.Stack().empty());
    EXPECT_EQ(game.ViewPixel(5, 5), kTestHouseColour);

    game.Click("PLAY");
    EXPECT_EQ(game.RoomName(), "LIVING");
    EXPECT_EQ(game.Stack(), Names{"TITLE"});
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("LIVING").EnteredFrom, Names{"TITLE"});
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("TITLE").Leaves, 1);
    EXPECT_EQ(game.ViewPixel(5, 5), kTestHouseColour + 1);
    EXPECT_EQ(game.Window().Caption, u"Test house");
    EXPECT_FALSE(game.HasFlag(kWorldBusy));
    EXPECT_FALSE(game.Window().BusyCursor);
}

TEST(WorldNavigation, TheIntroStartAndTheGiftScreenStart) {
    {
        TGameHarness intro(HouseWith([](TWorld& world) { world.SetStartRoom("intro"); }));
        intro.Start();
        EXPECT_EQ(intro.RoomName(), "MGTEXT");
        EXPECT_EQ(intro.Stack(), Names{"DARK"});
    }

    THarnessOptions options = HouseWith([](TWorld& world) { world.AddRoom(std::make_unique<TTestHouseRoom>("GIFT")); });
    options.BeginWithGiftScreen = true;
    TGameHarness gift(options);
    gift.Start();
    EXPECT_EQ(gift.RoomName(), "GIFT");
}

TEST(WorldNavigation, TheStackKeepsTheLastTenRoomsAndGoingBackWalksThemNewestFirst) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    const Names tour{"KITCHEN", "BED", "WORKSHOP", "LIVING", "KITCHEN", "BED",
                     "WORKSHOP", "LIVING", "KITCHEN", "BED", "WORKSHOP"};
    for (const std::string& room : tour) game.Click("TO" + room);
    ASSERT_EQ(game.RoomName(), "WORKSHOP");
    // Twelve rooms were left (TITLE and the eleven before WORKSHOP); the two oldest are gone.
    EXPECT_EQ(game.Stack(), (Names{"KITCHEN", "BED", "WORKSHOP", "LIVING", "KITCHEN", "BED", "WORKSHOP", "LIVING",
                                   "KITCHEN", "BED"}));

    Names visited;
    for (int i = 0; i < 11; ++i) {
        game.Click("BACK");
        visited.push_back(game.RoomName());
    }
    EXPECT_EQ(visited, (Names{"BED", "KITCHEN", "LIVING", "WORKSHOP", "BED", "KITCHEN", "LIVING", "WORKSHOP", "BED",
                              "KITCHEN", "KITCHEN"}));
    EXPECT_TRUE(game.Stack().empty());
}

TEST(WorldNavigation, GoingToTheCurrentRoomReentersItAndGoingBackThereKeepsTheStackShort) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    game.Click("TOLIVING");
    auto& living = game.RoomAs<TTestHouseRoom>("LIVING");
    EXPECT_EQ(living.EnteredFrom, (Names{"TITLE", "LIVING"}));
    EXPECT_EQ(living.Leaves, 1);
    EXPECT_EQ(game.Stack(), (Names{"TITLE", "LIVING"}));

    // Back to LIVING from LIVING: the entry pushed for the room left is dropped again.
    game.Click("BACK");
    EXPECT_EQ(game.RoomName(), "LIVING");
    EXPECT_EQ(game.Stack(), Names{"TITLE"});
}

TEST(WorldNavigation, AStackReadFromAStreamFindsItsRoomsByName) {
    TGameHarness game;
    game.Start();
    TRoomStack written;
    written.Push(game.World().FindRoom("KITCHEN"));
    auto lost = std::make_unique<TRoomStackNode>();
    lost->LoadedName = "NOWHERE";
    written.Append(std::move(lost));
    TMemoryStream stream;
    written.SaveToStream(stream);

    stream.Seek(0);
    TRoomStack read(&game.World());
    read.LoadFromStream(stream);
    EXPECT_EQ(stream.Remaining(), 0);
    ASSERT_EQ(read.CachedCount(), 2);
    EXPECT_EQ(read.Pop(), nullptr);
    EXPECT_EQ(read.Pop(), game.World().FindRoom("KITCHEN"));
    EXPECT_EQ(read.Pop(), nullptr);
}

TEST(WorldNavigation, AChangeSetsButtonsBeforeEnteringAndDrawsBeforeBecomingCurrent) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    TWorld& world = game.World();
    Names seen;
    auto& kitchen = game.RoomAs<TTestHouseRoom>("KITCHEN");
    kitchen.OnEnter = [&](const std::string& from) {
        seen.push_back("enter from " + from + ", current " + world.GetCurrentRoom()->GetID() + ", living left " +
                       std::to_string(HouseRoom(world, "LIVING").Leaves) + ", stack top " +
                       world.FindRoom("LIVING")->GetID() + ", home " + std::to_string(game.Window().HomeIndex) +
                       (world.GetFlags() & kWorldBusy ? ", busy" : ""));
    };
    kitchen.OnDraw = [&] { seen.push_back("draw, current " + world.GetCurrentRoom()->GetID()); };
    game.Click("TOKITCHEN");
    EXPECT_EQ(seen, (Names{"enter from LIVING, current LIVING, living left 1, stack top LIVING, home 4, busy",
                           "draw, current LIVING"}));
    EXPECT_EQ(game.RoomName(), "KITCHEN");
}

TEST(WorldNavigation, AnUnknownRoomShowsBothBoxesAndKeepsTheRoomWithoutItsTimers) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    TRoom* living = game.Room();
    living->AddTimer(20, 5);
    static_cast<TGoBox*>(living->FindHitBox("TOKITCHEN"))->SetTarget("NOWHERE");
    game.Boxes().QueueAnswer(platform::MessageAnswer::Ok);
    game.Boxes().QueueAnswer(platform::MessageAnswer::No);
    game.Click("TOKITCHEN");

    ASSERT_EQ(game.Messages().size(), 2u);
    EXPECT_EQ(game.Messages()[0].Text, u"GoRoom: exception A1 caught");
    EXPECT_EQ(game.Messages()[1].Text, u"Quit game?\r\n\r\nNIL pointer detected");
    EXPECT_EQ(game.Messages()[1].Buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(game.RoomName(), "LIVING");
    EXPECT_TRUE(living->Timers().IsEmpty());
    EXPECT_FALSE(game.HasFlag(kWorldBusy));
    EXPECT_FALSE(game.HasFlag(kWorldQuit));

    game.Boxes().QueueAnswer(platform::MessageAnswer::Ok);
    game.Boxes().QueueAnswer(platform::MessageAnswer::Yes);
    game.Click("TOKITCHEN");
    EXPECT_TRUE(game.HasFlag(kWorldQuit));
}

TEST(WorldNavigation, AFullFrameRoomShowsItsPictureEdgeToEdgeAndLeavingItBringsTheFrameBack) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    const std::uint32_t black = 0;
    EXPECT_EQ(game.ScreenPixel(0, 0), black);
    EXPECT_NE(game.ScreenPixel(1, 1), black);

    game.Click("TOSTAGE");
    EXPECT_TRUE(game.HasFlag(kWorldFullFrame));
    EXPECT_EQ(game.View().Width(), 514);
    EXPECT_EQ(game.View().Height(), 322);
    EXPECT_EQ(game.Context().ViewWidth(), 514);
    EXPECT_EQ(game.ViewPixel(513, 321), kTestHouseColour + 7);
    EXPECT_EQ(game.ScreenPixel(0, 0), game.ScreenPixel(513, 321));
    EXPECT_NE(game.ScreenPixel(0, 0), black);

    game.Click("BACK");
    EXPECT_FALSE(game.HasFlag(kWorldFullFrame));
    EXPECT_EQ(game.View().Width(), 512);
    EXPECT_EQ(game.Context().ViewHeight(), 320);
    EXPECT_EQ(game.ScreenPixel(0, 0), black);
    EXPECT_EQ(game.ScreenPixel(513, 321), black);
    EXPECT_EQ(game.ViewPixel(0, 0), kTestHouseColour + 1);
}

TEST(WorldNavigation, RoomButtonsFollowTheRoom) {
    TGameHarness game(HouseWith([](TWorld& world) { world.FindRoom("BED")->NavigationMask = 0x2; }));
    game.Start();
    auto& window = game.Window();
    EXPECT_TRUE(window.NavGreyed);
    for (TNavState state : window.NavStates) EXPECT_EQ(state, TNavState::Disabled);

    game.Click("PLAY");
    EXPECT_FALSE(window.NavGreyed);
    EXPECT_EQ(window.HomeIndex, 3);
    EXPECT_EQ(window.NavStates, (std::array{TNavState::Normal, TNavState::Normal, TNavState::Current, TNavState::Normal}));

    game.PressNav(1);
    EXPECT_EQ(game.RoomName(), "BED");
    EXPECT_EQ(window.HomeIndex, 1);
    EXPECT_EQ(window.NavStates, (std::array{TNavState::Current, TNavState::Disabled, TNavState::Normal, TNavState::Normal}));
    game.PressNav(4);
    EXPECT_EQ(game.RoomName(), "KITCHEN");
}

class TAlbum : public TTestHouseRoom, public TAlbumActions {
public:
    using TTestHouseRoom::TTestHouseRoom;
    bool CanHang() const override { return Hang; }
    bool HasCurrentPicture() const override { return Picture; }
    bool HasPrinter() const override { return Printer; }
    bool Hang = false;
    bool Picture = true;
    bool Printer = true;
};

TEST(WorldNavigation, ActionButtonsFollowTheRoomFlagsAndTheAlbum) {
    auto addAlbum = [](TWorld& world) {
        auto album = std::make_unique<TAlbum>("ALBUM");
        album->SetBackgroundName("room1");
        world.AddRoom(std::move(album));
        world.FindRoom("KITCHEN")->Flags |= kRoomSnapEnabled;
        world.FindRoom("BED")->Flags = kRoomWrapOffered | kRoomWrapEnabled;
    };
    THarnessOptions options = HouseWith(addAlbum);
    options.AllowPrinterUse = true;
    TGameHarness game(options);
    game.Start();
    auto& window = game.Window();
    using C = TActionCommand;
    using S = TActionState;
    game.Click("PLAY");
    EXPECT_EQ(window.ActionCommands, (std::array{C::Snap, C::Wrap, C::None}));
    EXPECT_EQ(window.ActionStates, (std::array{S::Disabled, S::Disabled, S::Disabled}));
    game.Click("TOKITCHEN");
    EXPECT_EQ(window.ActionCommands, (std::array{C::Snap, C::Wrap, C::None}));
    EXPECT_EQ(window.ActionStates, (std::array{S::Normal, S::Disabled, S::Disabled}));
    game.Click("TOBED");
    EXPECT_EQ(window.ActionCommands, (std::array{C::Wrap, C::None, C::None}));
    EXPECT_EQ(window.ActionStates[0], S::Normal);

    game.World().GoRoom("ALBUM");
    EXPECT_EQ(window.ActionCommands, (std::array{C::Hang, C::Print, C::Card}));
    EXPECT_EQ(window.ActionStates, (std::array{S::Disabled, S::Normal, S::Normal}));
    game.PressAction(2);
    EXPECT_EQ(game.RoomAs<TAlbum>("ALBUM").Messages.back(), "|PRINT");
    // The configured printer is not there: the print buttons stay off.
    game.RoomAs<TAlbum>("ALBUM").Printer = false;
    game.World().GoRoom("ALBUM");
    EXPECT_EQ(window.ActionCommands, (std::array{C::Hang, C::Print, C::Card}));
    EXPECT_EQ(window.ActionStates, (std::array{S::Disabled, S::Disabled, S::Disabled}));
    game.RoomAs<TAlbum>("ALBUM").Printer = true;

    // Without the printer the album offers hanging only.
    game.Config().AllowPrinterUse = false;
    game.RoomAs<TAlbum>("ALBUM").Hang = true;
    game.World().GoRoom("ALBUM");
    EXPECT_EQ(window.ActionCommands, (std::array{C::Hang, C::None, C::None}));
    EXPECT_EQ(window.ActionStates[0], S::Normal);
    game.PressAction(1);
    EXPECT_EQ(game.RoomAs<TAlbum>("ALBUM").Messages.back(), "|HANG");
    EXPECT_EQ(game.SoundLog(), std::vector<int>{40});
}

TEST(WorldNavigation, SnapPlaysTheShutterBeforeTheRoomHearsIt) {
    TGameHarness game(HouseWith([](TWorld& world) { world.FindRoom("LIVING")->Flags |= kRoomSnapEnabled; }));
    game.Start();
    game.Click("PLAY");
    auto& living = game.RoomAs<TTestHouseRoom>("LIVING");
    living.OnScript = [&](const std::string&, const std::string& sender) {
        if (sender == "SNAP") {
            EXPECT_EQ(game.SoundLog(), std::vector<int>{39});
        }
        return false;
    };
    game.PressAction(1);
    EXPECT_EQ(living.Messages.back(), "|SNAP");
}

class TPage : public TTestHouseRoom, public TTutorRoleRoom {
public:
    TPage(std::string_view name, TTutorRole role) : TTestHouseRoom(name), Role(role) {}
    TTutorRole GetTutorRole() const override { return Role; }
    TTutorRole Role;
};

TEST(WorldNavigation, TheTutorButtonLeavesTextPagesStaysCheckedOnTheTitleAndIsHeardElsewhere) {
    TGameHarness game(HouseWith([](TWorld& world) {
        for (auto [name, role] : {std::pair{"HELP", TTutorRole::TextPage}, std::pair{"FRONT", TTutorRole::FrontRoom}}) {
            auto page = std::make_unique<TPage>(name, role);
            page->SetBackgroundName("room5");
            page->OnScript = [](const std::string&, const std::string& sender) { return sender == "EXIT"; };
            world.AddRoom(std::move(page));
        }
    }));
    game.Start();
    auto& window = game.Window();
    game.World().GoRoom("HELP");
    EXPECT_TRUE(window.TutorChecked);
    game.PressTutor();
    EXPECT_EQ(game.RoomAs<TPage>("HELP").Messages.back(), "|EXIT");

    game.World().GoRoom("FRONT");
    EXPECT_TRUE(window.TutorChecked);
    window.TutorChecked = false;
    game.PressTutor();
    EXPECT_TRUE(window.TutorChecked);
    EXPECT_TRUE(game.RoomAs<TPage>("FRONT").Messages.empty());

    game.World().GoRoom("LIVING");
    EXPECT_FALSE(window.TutorChecked);
    game.PressTutor();
    EXPECT_EQ(game.RoomAs<TTestHouseRoom>("LIVING").Messages.back(), "|TUTOR");
}

TEST(WorldNavigation, TheAboutButtonOpensTheAboutPageOnce) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    game.PressAbout();
    EXPECT_EQ(game.RoomName(), "MGTEXT");
    game.PressAbout();
    EXPECT_EQ(game.Stack(), (Names{"TITLE", "LIVING"}));
}

}  // namespace
