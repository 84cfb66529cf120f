#pragma once
// The built game folder played through the headless game, standing in the living room, with
// the run's clock (its time of day fixed by each test), song player and a headless printer
// as the rooms' services.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/game_classes.h"
#include "rooms/living/living_room.h"
#include "shell/frame_set.h"
#include "shell/game_services.h"
#include "shell/room.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace living_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

// Wave ids the living room's sounds play as.
inline constexpr int kGiftShownWave = 13;
inline constexpr int kCuckooWave = 16;
inline constexpr int kFirstTalkWave = 19, kLastTalkWave = 21;
inline constexpr int kFirstAnnouncementWave = 22, kLastAnnouncementWave = 24;

class LivingGame : public ::testing::Test {
protected:

    void StartGame() {
        RegisterGameClasses();
        RegisterGameFontMetrics();
        // A run before this one ends first: two games never share the program-wide objects.
        Game.reset();
        testing_support::THarnessOptions options = testing_support::BuiltGameOptions(kDat);
        options.AllowPrinterUse = true;
        options.RandomSeed = 1225;
        Game = std::make_unique<testing_support::TGameHarness>(options);
        testing_support::InstallBuiltScript(*Game, kDat, testing_support::TBuiltScript::RecordFile);
        Game->Start();
        InstallServices();
        Game->Tick(2);
        ASSERT_EQ(Shown(), "") << "the built init script loads without a message";
    }

    void InstallServices() {
        Game->Context().SetServices(TGameServices{&Config, &Game->SongPlayer(), nullptr, &Printers, &Game->Clock()});
    }

    void Restart() {
        // The song player goes with the run; the new run's is installed once it exists.
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr, &Printers, &Game->Clock()});
        Game->Restart();
        InstallServices();
    }

    // The game started at the time of day, and the living room entered from `from`.
    void EnterLiving(int hour = 10, int minute = 10, const std::string& from = "BED") {
        StartGame();
        Game->Clock().SetTimeOfDay(hour, minute);
        Go(from);
        Go("LIVING");
    }

    void Go(const std::string& room) {
        Game->World().GoRoom(room);
        Game->Tick();
        ASSERT_EQ(Game->RoomName(), room);
    }

    TLivingRoom& Living() { return Game->RoomAs<TLivingRoom>("LIVING"); }

    // Scrolls the whole way: eight steps of 50 pixels.
    void ScrollToClock() {
        Game->Click("GO_R_END");
        Game->Tick(10);
    }
    void ScrollToTree() {
        Game->Click("GO_L_END");
        Game->Tick(10);
    }

    TFrameSet& Set(const std::string& name) { return FindFrameSetOrFail(Living().FrameSets(), name); }
    int Frame(const std::string& name) { return Set(name).CurrentFrame; }
    THitBox& Box(const std::string& name) {
        THitBox* box = Living().FindHitBox(name);
        if (box == nullptr) throw std::runtime_error("no box " + name);
        return *box;
    }
    bool Enabled(const std::string& name) { return Box(name).IsEnabled(); }
    int TimersOf(std::uint8_t code) {
        int n = 0;
        for (const auto* timer : Living().Timers())
            if (timer->Code == code) ++n;
        return n;
    }

    std::string Shown() { return Game->MessageTexts(); }

    // Every sound played so far (wave ids), letting each queued one start and end.
    std::vector<int> Heard() {
        while (Game->CompleteSound()) {
        }
        return Game->SoundLog();
    }
    void ForgetSounds() { FSoundsBefore = Heard().size(); }
    std::vector<int> NewSounds() {
        const auto log = Heard();
        return std::vector<int>(log.begin() + std::ptrdiff_t(std::min(FSoundsBefore, log.size())), log.end());
    }
    int CountNew(int wave) {
        const auto sounds = NewSounds();
        return int(std::count(sounds.begin(), sounds.end(), wave));
    }

    TConfig Config;
    platform::headless::FakePrinters Printers{1};
    std::unique_ptr<testing_support::TGameHarness> Game;

private:
    std::size_t FSoundsBefore = 0;
};

}  // namespace living_tests
