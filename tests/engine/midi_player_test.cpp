#include <gtest/gtest.h>

#include <vector>

#include "engine/sound/midi_player.h"
#include "platform/event_queue.h"
#include "platform/headless/headless_song_output.h"
#include "wave_builder.h"

namespace {

class MidiPlayerTest : public ::testing::Test {
protected:
    MidiPlayerTest() {
        for (const char* name : {"theme", "tumble", "silent", "goodking"})
            wavetest::WriteFile(folder / (std::string(name) + ".mid"), {'M', 'T', 'h', 'd'});
        player.SetFolder(folder.string());
        player.SetOnNotify([this](std::int32_t tag) { notified.push_back(tag); });
    }

    std::size_t Opens() const { return output.Opened().size(); }

    wavetest::TempFolder tempFolder{"midi-player"};
    std::filesystem::path folder = tempFolder.Path();
    platform::EventQueue queue;
    platform::HeadlessSongOutput output{queue};
    TMidiPlayer player{output, true};
    std::vector<std::int32_t> notified;
};

}  // namespace

TEST_F(MidiPlayerTest, PlaysASongAndReportsItsNaturalEndOnce) {
    player.Play("theme", 1);
    ASSERT_EQ(1u, Opens());
    EXPECT_EQ(folder / "theme.mid", output.Opened()[0]);
    EXPECT_TRUE(output.IsPlaying());
    EXPECT_EQ(1, player.PlayerTag());
    output.EndSong();
    EXPECT_TRUE(notified.empty());  // only through the queue
    queue.Drain();
    EXPECT_EQ(std::vector<std::int32_t>{1}, notified);
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(MidiPlayerTest, SameTagWhilePlayingIsLeftAloneButAnEndedSongRestarts) {
    player.Play("theme", 1);
    player.Play("theme", 1);
    EXPECT_EQ(1u, Opens());
    output.EndSong();
    queue.Drain();
    player.Play("theme", 1);
    EXPECT_EQ(2u, Opens());
    EXPECT_EQ(1, output.Closes());
    EXPECT_TRUE(output.IsPlaying());
}

TEST_F(MidiPlayerTest, ANewSongDoesNotStartOverAPlayingOne) {
    player.Play("theme", 1);
    player.Play("silent", 13);
    EXPECT_EQ(1u, Opens());
    EXPECT_EQ(1, player.PlayerTag());
    EXPECT_EQ(13, player.CurrentTag());
    player.StopMusic();
    player.Play("silent", 13);
    EXPECT_EQ(2u, Opens());
    EXPECT_EQ(13, player.PlayerTag());
}

TEST_F(MidiPlayerTest, PreviousSongTagReplaysTheLastRealSong) {
    player.Play("goodking", 5);
    player.StopMusic();
    EXPECT_EQ(5, player.LastTag());
    player.Play("", -2);
    EXPECT_EQ(5, player.CurrentTag());
    EXPECT_EQ(5, player.PlayerTag());
    EXPECT_EQ(folder / "goodking.mid", output.Opened().back());
}

TEST_F(MidiPlayerTest, LongNamesAreCutToEightCharacters) {
    player.Play("goodkingwenceslas", 8);
    EXPECT_EQ("goodking", player.TuneName());
    EXPECT_EQ(1u, Opens());
}

TEST_F(MidiPlayerTest, FileNamesMatchRegardlessOfCase) {
    player.Play("SILENT", 13);
    EXPECT_EQ(folder / "silent.mid", output.Opened().at(0));
}

TEST_F(MidiPlayerTest, MissingOrUnreadableSongsPlayNothing) {
    player.Play("nosuch", 3);
    output.FailOpen = true;
    player.Play("theme", 1);
    EXPECT_EQ(0u, Opens());
    EXPECT_EQ(-1, player.PlayerTag());
    EXPECT_FALSE(output.IsPlaying());
}

TEST_F(MidiPlayerTest, TheLateEndOfAnOldSongDoesNotEndTheNewOne) {
    player.Play("theme", 1);
    output.EndSong();  // its end is on its way...
    player.StopMusic();
    player.Play("tumble", 2);
    queue.Drain();  // ...and arrives while "tumble" plays
    EXPECT_TRUE(notified.empty());
    EXPECT_TRUE(player.IsPlaying());
    output.EndSong();
    queue.Drain();
    EXPECT_EQ(std::vector<std::int32_t>{2}, notified);
}

TEST_F(MidiPlayerTest, DisablingStopsTheSongAndEnablingStartsNothing) {
    player.Play("theme", 1);
    EXPECT_FALSE(player.SetEnabled(false));
    EXPECT_FALSE(output.IsOpen());
    player.Play("silent", 13);
    EXPECT_EQ(1u, Opens());
    EXPECT_TRUE(player.SetEnabled(true));
    EXPECT_FALSE(output.IsOpen());
    player.Play("silent", 13);
    EXPECT_TRUE(output.IsPlaying());
}

TEST_F(MidiPlayerTest, WithoutADeviceEveryRequestIsIgnored) {
    output.DevicePresent = false;
    TMidiPlayer none(output, true);
    EXPECT_FALSE(none.HasDevice());
    EXPECT_FALSE(none.Enabled());
    none.SetFolder(folder.string());
    none.Play("theme", 1);
    EXPECT_EQ(-1, none.CurrentTag());
    EXPECT_EQ(0u, Opens());

    // Created without music, it looks for the device only when asked to play.
    output.DevicePresent = true;
    TMidiPlayer later(output, false);
    EXPECT_FALSE(later.HasDevice());
    EXPECT_TRUE(later.ProbeDevice());
    EXPECT_TRUE(later.SetEnabled(true));
    EXPECT_TRUE(later.HasDevice());
}
