#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "../engine/wave_builder.h"
#include "engine/sound/midi_player.h"
#include "platform/event_queue.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/headless_song_output.h"
#include "platform/random.h"
#include "shell/songs.h"

namespace {

class SongsTest : public ::testing::Test {
protected:
    SongsTest() {
        for (int song = 1; song <= 18; ++song)
            wavetest::WriteFile(folder / (std::string(SongFileName(song)) + ".mid"), {'M', 'T', 'h', 'd'});
        player.SetFolder(folder.string());
        schedule.SetOnMusicEnded([this](std::int32_t song) { endedSongs.push_back(song); });
    }

    std::string PlayingFile() const { return output.Opened().back().stem().string(); }

    wavetest::TempFolder tempFolder{"songs"};
    std::filesystem::path folder = tempFolder.Path();
    platform::EventQueue queue;
    platform::FakeClock clock;
    platform::HeadlessSongOutput output{queue};
    TMidiPlayer player{output, true};
    platform::RandomNumbers random;
    TSongSchedule schedule{player, clock, random};
    std::vector<std::int32_t> endedSongs;
};

}  // namespace

TEST(SongTable, NamesAndLengths) {
    EXPECT_EQ("theme", SongFileName(1));
    EXPECT_EQ(67, SongLengthSeconds(1));
    EXPECT_EQ("12days", SongFileName(17));
    EXPECT_EQ(56, SongLengthSeconds(17));
    EXPECT_EQ("", SongFileName(0));
    EXPECT_EQ(0, SongLengthSeconds(19));
}

TEST_F(SongsTest, AnyCarolIsPickedFrom3To17ByTheSeededGenerator) {
    platform::RandomNumbers predicted(1234);
    std::vector<int> expected;
    for (int i = 0; i < 40; ++i) expected.push_back(3 + predicted.Next(15));
    random.Seed(1234);
    std::set<int> seen;
    for (int i = 0; i < 40; ++i) {
        schedule.PlayMusic(kAnyCarol);
        EXPECT_EQ(expected[static_cast<std::size_t>(i)], schedule.SongNumber());
        EXPECT_EQ(SongFileName(schedule.SongNumber()), PlayingFile());
        EXPECT_NE("any", PlayingFile());
        seen.insert(schedule.SongNumber());
        player.StopMusic();
    }
    EXPECT_GT(seen.size(), 1u);
    EXPECT_GE(*seen.begin(), 3);
    EXPECT_LE(*seen.rbegin(), 17);
}

TEST_F(SongsTest, SongEndsThreeSecondsAfterItsLengthAtTheLatest) {
    schedule.PlayMusic(2);
    EXPECT_EQ(clock.NowMs() + 12000, schedule.SongEndTime());
    clock.Advance(12000);
    schedule.CheckSongEnd();
    EXPECT_TRUE(endedSongs.empty());
    EXPECT_TRUE(output.IsPlaying());
    clock.Advance(1);
    schedule.CheckSongEnd();
    EXPECT_EQ(std::vector<std::int32_t>{2}, endedSongs);
    EXPECT_FALSE(output.IsOpen());
    EXPECT_EQ(0, schedule.SongEndTime());
    schedule.CheckSongEnd();
    EXPECT_EQ(1u, endedSongs.size());
}

TEST_F(SongsTest, PlayersOwnEndReportsTheSongAndClearsTheSchedule) {
    schedule.PlayMusic(13);
    output.EndSong();
    queue.Drain();
    EXPECT_EQ(std::vector<std::int32_t>{13}, endedSongs);
    EXPECT_EQ(0, schedule.SongEndTime());
    clock.Advance(60000);
    schedule.CheckSongEnd();
    EXPECT_EQ(1u, endedSongs.size());
}

TEST_F(SongsTest, ANewSongReplacesTheOldSchedule) {
    schedule.PlayMusic(2);
    clock.Advance(5000);
    player.StopMusic();
    schedule.PlayMusic(1);
    EXPECT_EQ(clock.NowMs() + 70000, schedule.SongEndTime());
    clock.Advance(10000);
    schedule.CheckSongEnd();
    EXPECT_TRUE(endedSongs.empty());
    EXPECT_EQ("theme", PlayingFile());
}

TEST_F(SongsTest, NumbersOutsideTheTableAreIgnored) {
    schedule.PlayMusic(0);
    schedule.PlayMusic(19);
    EXPECT_TRUE(output.Opened().empty());
    EXPECT_EQ(0, schedule.SongEndTime());
}

TEST_F(SongsTest, StoppingASongForgetsItsScheduledEnd) {
    schedule.PlayMusic(13);
    ASSERT_NE(0, schedule.SongEndTime());
    schedule.StopMusic();
    EXPECT_EQ(0, schedule.SongEndTime());
    EXPECT_EQ(-1, player.CurrentTag());
    clock.Advance(60000);
    schedule.CheckSongEnd();
    EXPECT_TRUE(endedSongs.empty()) << "a song cut short reports no end later";
}

TEST_F(SongsTest, ASongStartedWhenThePlayerReportsAnEndKeepsItsSchedule) {
    // The title song starts over from the end-of-song handling.
    schedule.SetOnMusicEnded([this](std::int32_t song) {
        endedSongs.push_back(song);
        schedule.PlayMusic(1);
    });
    schedule.PlayMusic(1);
    ASSERT_TRUE(output.EndSong());
    queue.Drain();
    ASSERT_EQ(std::vector<std::int32_t>{1}, endedSongs);
    EXPECT_NE(0, schedule.SongEndTime());
}

TEST_F(SongsTest, ASilencedSongStillEndsAtItsTime) {
    schedule.PlayMusic(13);
    const std::int64_t end = schedule.SongEndTime();
    schedule.Silence();
    EXPECT_EQ(-1, player.CurrentTag());
    EXPECT_EQ(end, schedule.SongEndTime());
    clock.Advance(end - clock.NowMs() + 1);
    schedule.CheckSongEnd();
    EXPECT_EQ(std::vector<std::int32_t>{13}, endedSongs);
    EXPECT_EQ(0, schedule.SongEndTime());
}
