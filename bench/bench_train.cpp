// One ANIMATE tick of the train table with both engines and their cars running round a full
// layout: the moves, the erasing and drawing of the trains, the collision check and the spring
// switches. The goal is well under 0.5 ms for the whole tick.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "rooms/game_classes.h"
#include "rooms/train/train_room.h"
#include "shell/game_services.h"
#include "shell/world.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace {

namespace fs = std::filesystem;

struct TTrainBench {
    TTrainBench() {
        RegisterGameFontMetrics();
        const fs::path dat = fs::path(ZORVIK_BUILT_DAT);
        Game = std::make_unique<testing_support::TGameHarness>(testing_support::BuiltGameOptions(dat));
        testing_support::InstallBuiltScript(*Game, dat, testing_support::TBuiltScript::RecordFile);
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr});
        Game->Start();
        Game->World().GoRoom("TRAINS");
        Game->Tick(1);
        Room = &Game->RoomAs<TTrainRoom>("TRAINS");
        LayFullLayout();
        Game->World().GoRoom("TITLE");
        Game->World().GoRoom("TRAINS");
        Game->Tick(1);
        Place("ENG1", {10 + 75 + 50, 9 + 37});
        Place("ENG2", {10 + 225 + 20, 9 + 225 + 37});
        Room->RunScript("CAR", "CAR1");
        Room->RunScript("CAR", "CAR2");
        for (int i = 0; i < 2; ++i) {
            Room->RunScript("KNOB", "+1KNB");
            Room->RunScript("KNOB", "+2KNB");
        }
    }
    ~TTrainBench() {
        Game->Close();
        Game->Context().SetServices({});
    }

    // A loop round the edge with two switches on it, and inside it a crossing, curves, a
    // buffer stop and scenery of both pages, so every tile holds something to draw.
    void LayFullLayout() {
        struct Laid { int x, y, column, row, setting, terrain; };
        const Laid pieces[] = {
            {0, 0, 0, 2, 0, 1}, {1, 0, 2, 1, 0, 1}, {2, 0, 1, 4, 0, 1}, {3, 0, 2, 1, 0, 2}, {4, 0, 1, 3, 0, 2},
            {0, 1, 2, 0, 0, 1}, {1, 1, 2, 4, 0, 1}, {2, 1, 2, 0, 0, 1}, {3, 1, 2, 2, 0, 2}, {4, 1, 2, 0, 0, 2},
            {0, 2, 2, 0, 0, 1}, {1, 2, 2, 5, 4, 1}, {2, 2, 0, 0, 0, 2}, {3, 2, 2, 5, 1, 2}, {4, 2, 2, 0, 0, 2},
            {0, 3, 0, 3, 0, 1}, {1, 3, 2, 1, 0, 1}, {2, 3, 0, 4, 0, 2}, {3, 3, 2, 1, 0, 2}, {4, 3, 1, 2, 0, 2},
        };
        for (const Laid& p : pieces) {
            TTrainCell& cell = Room->Layout().Cell(p.x, p.y);
            cell.Column = static_cast<std::uint8_t>(p.column);
            cell.Row = static_cast<std::uint8_t>(p.row);
            cell.Setting = static_cast<std::uint8_t>(p.setting);
            cell.Terrain = static_cast<std::uint8_t>(p.terrain);
            // Without springs the switches keep both trains on the loop, so they never meet.
            cell.Spring = false;
        }
    }

    void Place(const char* engine, TPoint at) {
        Room->RunScript("ENG", engine);
        Game->MouseMove(at);
        Game->MouseDown(at);
        Game->MouseUp(at);
        Game->MouseMove({450, 310});
    }

    TConfig Config;
    std::unique_ptr<testing_support::TGameHarness> Game;
    TTrainRoom* Room = nullptr;
};

void BM_TrainAnimateTick(benchmark::State& state) {
    TTrainBench bench;
    TWorld& world = bench.Game->World();
    TAC8ImageData& view = bench.Game->View();
    for (auto _ : state) {
        world.SetFlags(kWorldIdle, true);
        bench.Room->RunScript("ANIMATE", "1");
        bench.Room->RunScript("ANIMATE", "2");
        view.ClearDamage();
    }
    state.counters["crashed"] = bench.Room->Layout().Record(1).State == kCrashed ||
                                bench.Room->Layout().Record(2).State == kCrashed;
}
BENCHMARK(BM_TrainAnimateTick)->Unit(benchmark::kMicrosecond);

// The whole table drawn, for comparison: what a tick would cost without redrawing only the
// trains' rectangles.
void BM_TrainWholeTable(benchmark::State& state) {
    TTrainBench bench;
    TAC8ImageData& view = bench.Game->View();
    for (auto _ : state) {
        bench.Room->DrawOverlays(&view);
        view.ClearDamage();
    }
}
BENCHMARK(BM_TrainWholeTable)->Unit(benchmark::kMicrosecond);

}  // namespace
