// The largest redraws of the built house: a wide room scrolled to the middle of its picture,
// drawn whole with its frame sets and the room's own overlays into the view, then shown in
// the RGB back buffer by the tick, as the game does after a scroll or a room change.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "shell/game_loaders.h"
#include "shell/room.h"
#include "tests/support/headless_main_window.h"

namespace {

// The headless main window over the game folder the build makes, with the game's own loaders.
class TBuiltHouseWindow {
public:
    TBuiltHouseWindow() {
        const std::filesystem::path dat = Game.Folder.Path() / "dat";
        std::filesystem::remove_all(dat);
        std::filesystem::copy(ZORVIK_BUILT_DAT, dat, std::filesystem::copy_options::recursive);
    }

    bool Start() {
        TFormQEServices services = Game.Services();
        UseGameLoaders(services);
        Game.Form = std::make_unique<TFormQE>(services, std::vector<std::string>{});
        const bool started = Game.Form->Create();
        Game.Window.RunOnce();
        return started;
    }

    testing_support::THeadlessMainWindow Game;
};

void WideRoomRedrawnAtItsMiddle(benchmark::State& state, const std::string& name) {
    TBuiltHouseWindow house;
    if (!house.Start()) {
        state.SkipWithError("the game did not start");
        return;
    }
    TWorld& world = house.Game.World();
    world.GoRoom(name);
    house.Game.TimerAfter(55);
    TRoom* room = world.GetCurrentRoom();
    TAC8ImageData* view = world.GetViewImage();
    if (room == nullptr || room->GetID() != name || view == nullptr) {
        state.SkipWithError("the room did not open");
        return;
    }
    if (room->Width <= view->Width()) {
        state.SkipWithError("the room is not wider than the view");
        return;
    }
    room->ScrollTo((room->Width - view->Width()) / 2);
    house.Game.TimerAfter(55);
    state.counters["scrolled_to"] = room->ScrollOffset;
    state.counters["room_width"] = room->Width;
    for (auto _ : state) {
        room->Draw(view);
        if (!view->HasDamage()) {
            state.SkipWithError("the redraw left nothing to show");
            break;
        }
        house.Game.TimerAfter(55);  // the tick shows the damage in the back buffer
        benchmark::DoNotOptimize(house.Game.Window.Controls().PixelAt(400, 400));
    }
}
BENCHMARK_CAPTURE(WideRoomRedrawnAtItsMiddle, Living, std::string("LIVING"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WideRoomRedrawnAtItsMiddle, Workshop, std::string("WORKSHOP"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WideRoomRedrawnAtItsMiddle, Kitchen, std::string("KITCHEN"))->Unit(benchmark::kMicrosecond);

}  // namespace
