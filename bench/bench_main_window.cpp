// The main window on the headless platform: from nothing to the first room on screen, and
// one tick that redraws the whole room and paints it into the RGB back buffer.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "shell/game_loaders.h"
#include "shell/room.h"
#include "shell/saved_game.h"
#include "tests/support/headless_main_window.h"

namespace {

// Each iteration: the program's main form made and started, its first tick painted.
void TimeStartsToFirstRoom(benchmark::State& state, testing_support::THeadlessMainWindow& game,
                           const TFormQEServices& services) {
    for (auto _ : state) {
        game.Form = std::make_unique<TFormQE>(services, std::vector<std::string>{});
        if (!game.Form->Create()) state.SkipWithError("the game did not start");
        game.TimerAfter(55);  // the first tick shows the room
        benchmark::DoNotOptimize(game.Window.Controls().PixelAt(400, 400));
        state.PauseTiming();
        game.Form.reset();  // ends the world and saves the game: not part of the start
        state.ResumeTiming();
    }
}

void StartToFirstRoomDrawn(benchmark::State& state) {
    testing_support::THeadlessMainWindow game;
    TimeStartsToFirstRoom(state, game, game.Services());
}
BENCHMARK(StartToFirstRoomDrawn)->Unit(benchmark::kMillisecond);

// The same over the game folder the build makes from content/: the real init script, sound
// list, image library and fonts.
void StartToFirstRoomDrawnWithBuiltContent(benchmark::State& state) {
    testing_support::THeadlessMainWindow game;
    const std::filesystem::path dat = game.Folder.Path() / "dat";
    std::filesystem::remove_all(dat);
    std::filesystem::copy(ZORVIK_BUILT_DAT, dat, std::filesystem::copy_options::recursive);
    TFormQEServices services = game.Services();
    services.BuildRooms = BuildGameRooms;
    services.LoadSoundList = LoadGameSoundList;
    TimeStartsToFirstRoom(state, game, services);
}
BENCHMARK(StartToFirstRoomDrawnWithBuiltContent)->Unit(benchmark::kMillisecond);

// As the game starts: every loader the program uses (cursors too), over the saved game the
// whole-house test leaves behind, so each room reads a record a child's day in the house made.
void StartToFirstRoomWithTheWholeGame(benchmark::State& state) {
    testing_support::THeadlessMainWindow game;
    const std::filesystem::path dat = game.Folder.Path() / "dat";
    std::filesystem::remove_all(dat);
    std::filesystem::copy(ZORVIK_BUILT_DAT, dat, std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(ZORVIK_HOUSE_SAVED_GAME, SavedGamePath(u"Default"),
                               std::filesystem::copy_options::overwrite_existing);
    TFormQEServices services = game.Services();
    UseGameLoaders(services);
    // A saved game the rooms could not read would be set aside with a message, and the
    // start measured would be that of a fresh house.
    game.Form = std::make_unique<TFormQE>(services, std::vector<std::string>{});
    const bool started = game.Form->Create();
    game.Form.reset();
    if (!started || !game.Boxes.Boxes.Shown().empty()) {
        state.SkipWithError("the game did not start cleanly on the house's saved game");
        return;
    }
    TimeStartsToFirstRoom(state, game, services);
}
BENCHMARK(StartToFirstRoomWithTheWholeGame)->Unit(benchmark::kMillisecond);

void TickWithFullRoomRedraw(benchmark::State& state) {
    testing_support::THeadlessMainWindow game;
    if (!game.Create()) state.SkipWithError("the game did not start");
    game.World().GoRoom("LIVING");
    game.TimerAfter(55);
    TWorld& world = game.World();
    for (auto _ : state) {
        world.GetCurrentRoom()->Draw(world.GetViewImage());
        game.TimerAfter(55);
        benchmark::DoNotOptimize(game.Window.Controls().PixelAt(400, 400));
    }
}
BENCHMARK(TickWithFullRoomRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
