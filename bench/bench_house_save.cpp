// Writing the saved game at the end of a child's whole day in the house: the game started on
// the saved game the whole-house test leaves behind (a seed of the saved-game fuzz target),
// then the world's save at program end, to memory alone and through the atomic file replace.
// The goal is well under 5 ms for the whole save. The counter "bytes" is the file's size.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "rooms/game_classes.h"
#include "shell/game_services.h"
#include "shell/world.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace {

namespace fs = std::filesystem;

struct THouseSaveBench {
    THouseSaveBench() {
        RegisterGameClasses();
        RegisterGameFontMetrics();
        const fs::path dat = fs::path(ZORVIK_BUILT_DAT);
        Game = std::make_unique<testing_support::TGameHarness>(testing_support::BuiltGameOptions(dat));
        testing_support::InstallBuiltScript(*Game, dat, testing_support::TBuiltScript::RecordFile);
        fs::copy_file(ZORVIK_HOUSE_SAVED_GAME, Game->SavedGameFile(), fs::copy_options::overwrite_existing);
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr});
        Game->Start();
    }
    ~THouseSaveBench() {
        Game->Close();
        Game->Context().SetServices({});
    }
    TConfig Config;
    std::unique_ptr<testing_support::TGameHarness> Game;
};

void BM_HouseSaveToMemory(benchmark::State& state) {
    THouseSaveBench bench;
    std::size_t bytes = 0;
    for (auto _ : state) {
        TMemoryStream s;
        bench.Game->World().WriteSaved(s);
        bytes = s.Bytes().size();
        benchmark::DoNotOptimize(s.Bytes().data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    // Nothing happened since the start: what is written is the file that was read.
    if (bytes != fs::file_size(ZORVIK_HOUSE_SAVED_GAME)) state.SkipWithError("the saved game did not read back whole");
}
BENCHMARK(BM_HouseSaveToMemory)->Unit(benchmark::kMicrosecond);

void BM_HouseSaveToFile(benchmark::State& state) {
    THouseSaveBench bench;
    for (auto _ : state) bench.Game->World().SaveGame();
    state.counters["bytes"] = static_cast<double>(fs::file_size(bench.Game->SavedGameFile()));
    if (!bench.Game->Messages().empty()) state.SkipWithError("the save showed a message");
}
BENCHMARK(BM_HouseSaveToFile)->Unit(benchmark::kMicrosecond);

}  // namespace
