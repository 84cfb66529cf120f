#include <gtest/gtest.h>

#include "shell/music_ended.h"
#include "shell_test_fixture.h"
#include "test_world.h"

namespace {

class TTestJukebox : public TRecordingRoom, public TSongIdleRoom {
public:
    using TRecordingRoom::TRecordingRoom;
    void SetIdle(bool idle) override { IdleCalls.push_back(idle); }
    std::vector<bool> IdleCalls;
};

class MusicEndedTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (const char* name : {"LIVING", "WORKSHOP", "PUZZLE", "DARK", "GIFT", "KITCHEN"}) {
            auto* room = world.AddRoom(std::make_unique<TRecordingRoom>(name));
            room->Handled = {"ENDMUSIC", "ENDSCRAMBLE", "LAMP", "MUSIC"};
            rooms[name] = room;
        }
        jukebox = world.AddRoom(std::make_unique<TTestJukebox>("JUKEBOX"));
    }

    std::vector<std::string> Heard(const char* name) { return rooms[name]->Messages; }

    TTestWorld world;
    std::map<std::string, TRecordingRoom*> rooms;
    TTestJukebox* jukebox = nullptr;
};

TEST_F(MusicEndedTest, EverySongEndReachesTheJukeboxAndTheWorkshop) {
    world.GoRoom("KITCHEN");
    MusicEnded(world, 13);  // not in the dark room: no LAMP
    EXPECT_EQ(jukebox->IdleCalls, std::vector<bool>{true});
    EXPECT_EQ(Heard("WORKSHOP"), std::vector<std::string>{"|ENDMUSIC"});
    EXPECT_TRUE(Heard("LIVING").empty());
    EXPECT_TRUE(Heard("DARK").empty());
    EXPECT_TRUE(Heard("KITCHEN").empty());

    world.Flags = kWorldLivingMusic;
    MusicEnded(world, 4);
    EXPECT_EQ(Heard("LIVING"), std::vector<std::string>{"|ENDMUSIC"});
}

TEST_F(MusicEndedTest, SongsWithAWordOfTheirOwnReachOnlyTheCurrentRoom) {
    world.GoRoom("DARK");
    MusicEnded(world, 13);
    EXPECT_EQ(Heard("DARK"), std::vector<std::string>{"|LAMP"});
    MusicEnded(world, 2);
    EXPECT_EQ(Heard("DARK"), std::vector<std::string>{"|LAMP"});
    EXPECT_TRUE(Heard("PUZZLE").empty());

    world.GoRoom("PUZZLE");
    MusicEnded(world, 2);
    EXPECT_EQ(Heard("PUZZLE"), std::vector<std::string>{"|ENDSCRAMBLE"});

    world.GoRoom("GIFT");
    world.Music.clear();
    MusicEnded(world, 0);
    EXPECT_EQ(world.Music, (std::vector<std::string>{"stop", "messages"}));
    MusicEnded(world, 13);
    EXPECT_EQ(Heard("GIFT"), (std::vector<std::string>{"|MUSIC", "|MUSIC"}));
}

TEST_F(MusicEndedTest, TheTitleSongStartsAgain) {
    world.GoRoom("KITCHEN");
    MusicEnded(world, 1);
    EXPECT_EQ(world.Music, (std::vector<std::string>{"stop", "messages", "play 1"}));
}

TEST(MusicEndedWithoutRooms, MissingRoomsAreSkipped) {
    TTestWorld world;
    world.Flags = kWorldLivingMusic;
    MusicEnded(world, 13);  // no room at all: nothing to tell, no crash
    world.AddRoom(std::make_unique<TRecordingRoom>("JUKEBOX"));  // not an idle-settable room
    MusicEnded(world, 1);
    SUCCEED();
}

}  // namespace
