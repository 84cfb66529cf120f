// The jukebox close-up: cartridges from the rack into the slot, the button, each cartridge's
// song, swaps while a song plays, and the end of a song setting the jukebox idle wherever the
// child is; its navigation follows the bedroom door.
#include "house_game.h"
#include "engine/sound/midi_player.h"
#include "rooms/bedroom/bed_room.h"
#include "rooms/bedroom/jukebox_room.h"

namespace house_test {
namespace {

constexpr int kBackToRackWave = 36, kIntoSlotWave = 37, kButtonWave = 38;

class Jukebox : public HouseGame {
protected:
    void SetUp() override {
        Start();
        Enter("BED");
        Game->Click("JUKE");
        ASSERT_EQ(Game->RoomName(), "JUKEBOX");
    }
    TJukeboxRoom& Juke() { return Game->RoomAs<TJukeboxRoom>("JUKEBOX"); }
    void Insert(const std::string& place) {
        Game->Click(place);
        Game->Tick(2);
    }
};

TEST_F(Jukebox, ARackClickPutsTheCartridgeInTheSlotAfterOneTick) {
    EXPECT_EQ(Frame("SLOT"), 0);
    EXPECT_FALSE(Enabled("BUTTON"));
    ForgetSounds();
    Game->Click("4");
    EXPECT_EQ(Juke().Cartridge(), 4);
    EXPECT_FALSE(Enabled("4"));
    Game->Tick(2);  // a timer fires on the tick after its delay
    EXPECT_EQ(Frame("SLOT"), 1);
    EXPECT_EQ(Frame("BUTTON"), 0);
    EXPECT_TRUE(Enabled("BUTTON"));
    EXPECT_EQ(NewSounds(), std::vector<int>{kIntoSlotWave});
    for (int n = 0; n < 10; ++n) EXPECT_EQ(Enabled(std::to_string(n)), n != 4) << n;
}

TEST_F(Jukebox, ButtonPlaysTheCartridgesSongAndStopsIt) {
    Insert("9");
    ForgetSounds();
    Game->Click("BUTTON");
    EXPECT_EQ(Game->SongLog(), std::vector<std::string>{"midclear"}) << "cartridge 9 plays song 11";
    EXPECT_FALSE(Juke().Idle());
    EXPECT_EQ(Frame("SLOT"), 2);
    EXPECT_EQ(Frame("BUTTON"), 1);
    Game->Tick(11);
    EXPECT_EQ(Frame("BUTTON"), 0);
    Game->Tick(5);
    EXPECT_EQ(Frame("SLOT"), 3);
    Heard();
    Game->Click("BUTTON");
    EXPECT_TRUE(Juke().Idle());
    EXPECT_EQ(Frame("SLOT"), 1);
    EXPECT_EQ(Game->SongPlayer().CurrentTag(), -1);
    EXPECT_EQ(NewSounds(), (std::vector<int>{kButtonWave, kButtonWave}));
}

TEST_F(Jukebox, EveryCartridgePlaysItsOwnCarol) {
    const std::vector<std::string> carols = {"hollyivy", "manger", "oltob", "silent", "wethree",
                                             "angels", "angelswe", "faithful", "goodking", "midclear"};
    for (int n = 0; n < 10; ++n) {
        Insert(std::to_string(n));
        Game->Tick(10);
        Game->Click("BUTTON");
        EXPECT_EQ(Game->SongLog().back(), carols[std::size_t(n)]) << n;
        Game->Click("BUTTON");
    }
}

TEST_F(Jukebox, SwappingWhilePlayingStopsTheSongAndSwapsAfterTenTicks) {
    Insert("2");
    Game->Click("BUTTON");
    ASSERT_FALSE(Juke().Idle());
    ForgetSounds();
    Game->Click("6");
    EXPECT_TRUE(Juke().Idle());
    EXPECT_EQ(Game->SongPlayer().CurrentTag(), -1);
    EXPECT_EQ(Frame("SLOT"), 0);
    EXPECT_EQ(Juke().Cartridge(), 6);
    EXPECT_TRUE(Enabled("2")) << "cartridge 2 is back in the rack";
    Game->Tick(9);
    EXPECT_EQ(Frame("SLOT"), 0);
    Game->Tick(2);
    EXPECT_EQ(Frame("SLOT"), 1);
    EXPECT_EQ(NewSounds(), (std::vector<int>{kBackToRackWave, kIntoSlotWave}));
    EXPECT_EQ(Game->SongEndTime(), 0);
}

TEST_F(Jukebox, ASongEndingWhileAnotherRoomIsShownSetsTheJukeboxIdle) {
    Insert("0");
    Game->Click("BUTTON");
    Game->Tick(16);
    ASSERT_EQ(Frame("SLOT"), 3);
    Game->Click("BACK");
    ASSERT_EQ(Game->RoomName(), "BED");
    TickPastSongEnd();
    EXPECT_TRUE(Juke().Idle());
    EXPECT_EQ(Frame("JUKEBOX", "SLOT"), 1);
    EXPECT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Shown(), "");
    Game->Click("JUKE");
    EXPECT_EQ(Frame("SLOT"), 1);
    EXPECT_EQ(Frame("BUTTON"), 0);
}

TEST_F(Jukebox, ReturningWhilePlayingShowsTheSlotAnimated) {
    Insert("5");
    Game->Click("BUTTON");
    Game->Click("BACK");
    Game->Click("JUKE");
    EXPECT_EQ(Frame("SLOT"), 3);
    EXPECT_FALSE(Enabled("5"));
}

TEST_F(Jukebox, NavigationFollowsTheBedroomDoor) {
    for (int i = 2; i <= 4; ++i) EXPECT_EQ(Nav(i), TNavState::Disabled) << i;
    EXPECT_EQ(Game->Room()->NavigationMask, 14);
    Game->Click("BACK");
    Game->Click("DOOR");
    Game->Click("JUKE");
    EXPECT_EQ(Game->Room()->NavigationMask, 0);
    EXPECT_EQ(Game->Window().HomeIndex, 1);
    Game->PressNav(1);
    EXPECT_EQ(Game->RoomName(), "BED");
}

TEST_F(Jukebox, ButtonWithAnEmptySlotAndStrangeRackWordsDoNothing) {
    Juke().RunScript("BUTTON", "BUTTON");
    Juke().RunScript("RACK", "10");
    Juke().RunScript("RACK", "X");
    Juke().RunScript("RACK", "");
    Game->Tick(3);
    EXPECT_EQ(Juke().Cartridge(), kNoCartridge);
    EXPECT_TRUE(Game->SongLog().empty());
    EXPECT_EQ(Frame("SLOT"), 0);
}

TEST_F(Jukebox, TutorOpensItsHelpPage) {
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "JBTEXT");
    Game->Tick(2);
    EXPECT_EQ(Shown(), "");
}

TEST_F(Jukebox, DrawsEveryCartridgeAndTheTakenOnesEmptyPlace) {
    const std::uint8_t inRack = Game->ViewPixel(372, 90);
    Insert("0");
    Game->Tick();
    EXPECT_NE(Game->ViewPixel(372, 90), inRack) << "cartridge 0's place is empty";
    Game->Click("1");
    Game->Tick(12);
    EXPECT_EQ(Game->ViewPixel(372, 90), inRack) << "cartridge 0 is back";
}

}  // namespace
}  // namespace house_test
