#pragma once
// The built game folder played through the headless game, standing at the train table. Most tests go
// to the room directly; the way from the workshop is tested where it starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/game_classes.h"
#include "rooms/train/train_room.h"
#include "shell/game_services.h"
#include "shell/sound_ids.h"
#include "shell/world.h"
#include "tests/support/activity_steps.h"
#include "tests/support/built_game.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace train_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

// The middle of a tile and a point in it, in view coordinates.
inline TPoint TilePoint(std::int32_t x, std::int32_t y, std::int32_t dx = 37, std::int32_t dy = 37) {
    return testing_support::TrainTilePoint(x, y, dx, dy);
}

class TrainGame : public testing_support::BuiltRoomGame {
protected:
    TrainGame() : BuiltRoomGame(2026) {}

    // The game started and the train table shown.
    void EnterTrains() {
        if (!Game) StartGame();
        Game->World().GoRoom("TRAINS");
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), "TRAINS");
        ASSERT_EQ(Shown(), "");
    }

    TTrainRoom& Room() { return Game->RoomAs<TTrainRoom>("TRAINS"); }
    TTrainLayout& Layout() { return Room().Layout(); }
    const TTrainCell& Cell(std::int32_t x, std::int32_t y) { return Layout().Cell(x, y); }
    TTrainEngine& Engine(int n) { return Layout().Record(n); }
    int Frame(const std::string& name) { return FindFrameSetOrFail(Room().FrameSets(), name).CurrentFrame; }
    bool Enabled(const std::string& box) { return Room().FindHitBox(box)->IsEnabled(); }

    // Picks a palette cell (clicking the picked plain-ground cell again turns its scenery).
    void Pick(int column, int row) { testing_support::PickTrack(*Game, column, row); }
    void PickOnce(int column, int row) {
        if (Room().SelectedCell() != TPoint{column, row}) Pick(column, row);
    }
    // A click on the table at a point of a tile, the mouse coming over it first.
    void ClickTile(std::int32_t x, std::int32_t y, std::int32_t dx = 37, std::int32_t dy = 37) {
        testing_support::ClickTrainTile(*Game, x, y, dx, dy);
    }
    void Lay(std::int32_t x, std::int32_t y, int column, int row) { testing_support::LayTrack(*Game, Room(), x, y, column, row); }
    // A loop of track round the edge of the table, laid from page 1.
    void LayLoop() { testing_support::LayTrackLoop(*Game, Room()); }
    // Takes engine n from the shelf and sets it on the tile.
    void Place(int n, std::int32_t x, std::int32_t y, std::int32_t dx = 50, std::int32_t dy = 37) {
        testing_support::PlaceEngine(*Game, n, x, y, dx, dy);
    }

    std::vector<std::uint8_t> Record() {
        TMemoryStream s;
        Room().WriteData(s);
        return s.Bytes();
    }

    // Every wave played so far, letting each queued one start and end.
    std::vector<int> Heard() {
        while (Game->CompleteSound()) {
        }
        return Game->SoundLog();
    }
    bool HeardSound(int sound) {
        const auto log = Heard();
        return std::find(log.begin(), log.end(), int(RemapSoundId(sound))) != log.end();
    }
};

}  // namespace train_tests
