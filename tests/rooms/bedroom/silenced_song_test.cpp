// Songs under Caps Lock, played through the main window over the built game: a silenced song
// still ends at its time (the dark room's lullaby lights the bedroom), while a song a room
// gave up when it was left never comes back in another room.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "shell/game_loaders.h"
#include "shell/songs.h"
#include "tests/support/headless_main_window.h"

namespace {

namespace fs = std::filesystem;

class SilencedSong : public testing::Test, public testing_support::THeadlessMainWindow {
protected:
    void Start() {
        fs::copy(fs::path(ZORVIK_GAME_DIR) / "dat", Folder.Path() / "dat",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        TFormQEServices services = Services();
        UseGameLoaders(services);
        Form = std::make_unique<TFormQE>(std::move(services), std::vector<std::string>{});
        ASSERT_TRUE(Form->Create());
        Window.RunOnce();
        TimerAfter(0);
        ASSERT_EQ(RoomName(), "TITLE");
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) TimerAfter(55);
    }
    void CapsLock(bool on) { Window.SetKeyboard(platform::KeyboardState{false, false, false, on}); }
    // One timer event just after the scheduled end of the song.
    void TimerAfterSongEnd() { TimerAfter(Form->Songs()->SongEndTime() - Clock.NowMs() + 1); }

    long Plays(const std::string& song) {
        return std::count_if(Songs.Opened().begin(), Songs.Opened().end(),
                             [&](const fs::path& file) { return file.stem() == song; });
    }
};

TEST_F(SilencedSong, TheDarkRoomsLullabySilencedByCapsLockStillLightsTheBedroomAtItsEnd) {
    Start();
    World().GoRoom("DARK");
    Ticks(12);
    ASSERT_TRUE(Songs.IsPlaying());
    ASSERT_EQ(Songs.Opened().back().stem(), "silent");

    CapsLock(true);
    Ticks(1);
    EXPECT_FALSE(Songs.IsPlaying());
    ASSERT_NE(Form->Songs()->SongEndTime(), 0) << "the silenced lullaby must still end";
    EXPECT_EQ(RoomName(), "DARK");

    TimerAfterSongEnd();
    EXPECT_EQ(RoomName(), "BED");
    EXPECT_EQ(Form->Songs()->SongEndTime(), 0);
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
}

TEST_F(SilencedSong, TheTitlesRepeatingSongNeverComesBackInAnotherRoom) {
    Start();
    // Inactive, so that the title's own song cycle does not start meanwhile.
    Window.SetActive(false);
    Form->PlayMusic(1);
    TimerAfterSongEnd();
    ASSERT_EQ(Plays("theme"), 2) << "the title song starts over";
    CapsLock(true);
    Ticks(1);
    CapsLock(false);
    Ticks(1);
    ASSERT_NE(Form->Songs()->SongEndTime(), 0);

    // Leaving the title gives its song up.
    Window.SetActive(true);
    World().GoRoom("BED");
    Ticks(1);
    EXPECT_EQ(Form->Songs()->SongEndTime(), 0);
    TimerAfter(80000);
    Ticks(1);
    EXPECT_EQ(Plays("theme"), 2);
    EXPECT_EQ(RoomName(), "BED");
}

}  // namespace
