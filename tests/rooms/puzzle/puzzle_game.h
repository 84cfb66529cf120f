#pragma once
// The built game folder played through the headless game, standing in the puzzle room. The
// workshop that leads there comes with its own room, so the tests go to the room directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/puzzle/puzzle_room.h"
#include "rooms/game_classes.h"
#include "shell/game_services.h"
#include "shell/sound_ids.h"
#include "tests/support/activity_steps.h"
#include "tests/support/built_game.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace puzzle_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class PuzzleGame : public testing_support::BuiltRoomGame {
protected:
    PuzzleGame() : BuiltRoomGame(1225) {}

    void EnterPuzzles() {
        StartGame();
        Game->World().GoRoom("PUZZLE");
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), "PUZZLE");
        EXPECT_EQ(Shown(), "");
    }
    // Entered with the cover lifted.
    void Uncover() {
        EnterPuzzles();
        Game->Click("DOWN");
        ASSERT_FALSE(Room().Covered());
    }

    TPuzzleRoom& Room() { return Game->RoomAs<TPuzzleRoom>("PUZZLE"); }
    TPuzzle& Current() { return Room().Current(); }
    bool RoomFlag(std::uint16_t flag) { return (Room().Flags & flag) != 0; }
    bool Enabled(const std::string& box) { return Room().FindHitBox(box)->IsEnabled(); }
    static std::string Block(int c, int r) { return testing_support::PuzzleCube(c, r); }

    // Every cube clicked round to the face of state `face`.
    void TurnAllTo(int face) { testing_support::TurnPuzzleTo(*Game, Current(), face); }

    // Waves heard since the last call, with every queued one let through.
    std::vector<int> NewSounds() {
        while (Game->CompleteSound()) {
        }
        const auto log = Game->SoundLog();
        std::vector<int> fresh(log.begin() + std::ptrdiff_t(std::min(FHeard, log.size())), log.end());
        FHeard = log.size();
        return fresh;
    }
    static int Wave(int sound) { return RemapSoundId(sound); }

private:
    std::size_t FHeard = 0;
};

}  // namespace puzzle_tests
