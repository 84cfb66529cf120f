// The dark room: its night light, the lullaby it starts only when all is quiet, and the two
// ways back into the bedroom (the lamp, and the lullaby's end), with and without a MIDI device.
#include "house_game.h"
#include "engine/sound/midi_player.h"
#include "rooms/bedroom/bed_room.h"

namespace house_test {
namespace {

class DarkRoom : public HouseGame {
protected:
    void SetUp() override {
        Start();
        Enter("BED");
    }
    void GoDark() {
        Game->Click("LAMP");  // the child arrives with the blind down
        ASSERT_EQ(Game->RoomName(), "DARK");
    }
    TDarkRoom& Dark() { return Game->RoomAs<TDarkRoom>("DARK"); }
};

TEST_F(DarkRoom, NoNavigationNoActionsAndTheNightLightBlinks) {
    GoDark();
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Nav(i), TNavState::Disabled) << i;
    EXPECT_TRUE(Game->Window().NavGreyed);
    EXPECT_EQ(Game->Window().ActionCommands[0], TActionCommand::None);
    int changes = 0;
    int last = Frame("LAMP");
    for (int i = 0; i < 60; ++i) {
        Game->Tick();
        if (Frame("LAMP") != last) ++changes;
        last = Frame("LAMP");
    }
    EXPECT_GE(changes, 4);
}

TEST_F(DarkRoom, LullabyStartsWhenQuietAndItsEndSwitchesTheLampOn) {
    GoDark();
    Game->Tick(9);
    EXPECT_TRUE(Game->SongLog().empty());
    Game->Tick(2);
    ASSERT_EQ(Game->SongLog(), std::vector<std::string>{"silent"});
    EXPECT_TRUE(Dark().SongStarted());
    EXPECT_TRUE(Game->EndSong());
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Frame("LAMP"), 1);
    EXPECT_EQ(Game->SongPlayer().CurrentTag(), -1);
}

TEST_F(DarkRoom, ScheduledEndOfTheLullabyComesEvenWithoutAMidiDevice) {
    // A player that never heard a song end: only the schedule ends it.
    GoDark();
    Game->Tick(11);
    ASSERT_TRUE(Dark().SongStarted());
    ASSERT_NE(Game->SongEndTime(), 0);
    TickPastSongEnd();
    EXPECT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Frame("LAMP"), 1);
}

TEST_F(DarkRoom, LeavingByTheLampStopsTheLullabyAndNoLateEndArrives) {
    GoDark();
    Game->Tick(11);
    ASSERT_TRUE(Dark().SongStarted());
    Game->Click("LAMP");
    ASSERT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Game->SongPlayer().CurrentTag(), -1);
    EXPECT_EQ(Game->SongEndTime(), 0) << "the stopped song's end is no longer scheduled";
    // Back into the dark while something else plays: no song is started, and the old
    // lullaby's end never sends the lamp word.
    Game->World().PlayMusic(9);
    Game->Click("LAMP");
    ASSERT_EQ(Game->RoomName(), "DARK");
    Game->Tick(20);
    EXPECT_FALSE(Dark().SongStarted());
    EXPECT_EQ(Game->SongLog().back(), "hollyivy");
    EXPECT_EQ(Game->RoomName(), "DARK");
}

TEST_F(DarkRoom, ASongAlreadyPlayingIsLeftAloneAndLeavingDoesNotStopIt) {
    Game->World().PlayMusic(15);
    GoDark();
    Game->Tick(15);
    EXPECT_FALSE(Dark().SongStarted());
    EXPECT_EQ(Game->SongLog(), std::vector<std::string>{"wethree"});
    Game->Click("LAMP");
    ASSERT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Game->SongPlayer().CurrentTag(), 15);
    // A song other than the lullaby ending in the bedroom sends nothing there.
    EXPECT_TRUE(Game->EndSong());
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "BED");
    EXPECT_EQ(Shown(), "");
}

TEST_F(DarkRoom, TutorOpensItsHelpPage) {
    GoDark();
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "DBRTEXT");
    Game->Tick(2);
    EXPECT_EQ(Shown(), "");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "DARK");
}

}  // namespace
}  // namespace house_test
