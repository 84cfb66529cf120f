#pragma once
// The built game folder played through the headless game, with the rooms of the house
// registered as the game registers them, and the song player the rooms ask.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "platform/random.h"
#include "shell/frame_set.h"
#include "shell/game_services.h"
#include "shell/room.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace house_test {

namespace fs = std::filesystem;

class HouseGame : public ::testing::Test {
protected:

    void Start() {
        RegisterGameFontMetrics();
        const fs::path dat = fs::path(ZORVIK_GAME_DIR) / "dat";
        testing_support::THarnessOptions options = testing_support::BuiltGameOptions(dat);
        options.RandomSeed = 7;
        Game = std::make_unique<testing_support::TGameHarness>(options);
        testing_support::InstallBuiltScript(*Game, dat, testing_support::TBuiltScript::RecordFile);
        Game->Start();
        InstallServices();
        Game->Tick(2);
        ASSERT_EQ(Shown(), "") << "the built init script loads without a message";
    }

    void Restart() {
        Game->Restart();
        InstallServices();
    }

    void InstallServices() { Game->Context().SetServices(TGameServices{&Config, &Game->SongPlayer(), nullptr}); }

    // Straight into a room, as a door of another room would go.
    void Enter(const std::string& room) {
        Game->World().GoRoom(room);
        Game->Tick();
        ASSERT_EQ(Game->RoomName(), room);
    }

    std::string Shown() { return Game->MessageTexts(); }

    TFrameSet& Set(const std::string& room, const std::string& name) {
        TRoom* r = Game->World().FindRoom(room);
        if (r == nullptr) throw std::runtime_error("no room " + room);
        return FindFrameSetOrFail(r->FrameSets(), name);
    }
    int Frame(const std::string& name) { return Set(Game->RoomName(), name).CurrentFrame; }
    int Frame(const std::string& room, const std::string& name) { return Set(room, name).CurrentFrame; }

    THitBox& Box(const std::string& name) {
        THitBox* box = Game->Room()->FindHitBox(name);
        if (box == nullptr) throw std::runtime_error("no box " + name);
        return *box;
    }
    bool Enabled(const std::string& name) { return Box(name).IsEnabled(); }

    // Every sound played so far (wave ids), letting each queued one start and end.
    std::vector<int> Heard() {
        while (Game->CompleteSound()) {
        }
        return Game->SoundLog();
    }
    bool HeardWave(int wave) {
        const auto log = Heard();
        return std::find(log.begin(), log.end(), wave) != log.end();
    }
    // Sounds heard from now on.
    void ForgetSounds() { FSoundsBefore = Heard().size(); }
    std::vector<int> NewSounds() {
        const auto log = Heard();
        return std::vector<int>(log.begin() + std::ptrdiff_t(std::min(FSoundsBefore, log.size())), log.end());
    }

    TNavState Nav(int index) { return Game->Window().NavStates.at(std::size_t(index - 1)); }

    // Ticks until the scheduled end of the playing song has passed.
    void TickPastSongEnd() {
        for (int i = 0; i < 2000 && Game->SongEndTime() != 0; ++i) Game->Tick();
        Game->Tick();
    }

    TConfig Config;
    std::unique_ptr<testing_support::TGameHarness> Game;

private:
    std::size_t FSoundsBefore = 0;
};

}  // namespace house_test
