#pragma once
// The built game folder played through the headless game, standing in the tree room. Most tests go
// to the room directly; the way from the living room is tested where it starts.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/game_classes.h"
#include "rooms/tree/tree_room.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace tree_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class TreeGame : public testing_support::BuiltRoomGame {
protected:
    TreeGame() : BuiltRoomGame(2026) {}

    // The game started and the tree room shown.
    void EnterTree() { StartIn("TREE"); }

    TTreeRoom& Room() { return Game->RoomAs<TTreeRoom>("TREE"); }
    TTree& Tree() { return Room().Tree(); }

    std::vector<std::uint8_t> Record() {
        TMemoryStream s;
        Room().WriteData(s);
        return s.Bytes();
    }
};

}  // namespace tree_tests
