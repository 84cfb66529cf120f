#pragma once
// The built game folder played through the headless game, standing in the tree room. The
// living room that leads there comes later, so the tests go to the room directly.
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
#include "tests/support/game_harness.h"

namespace tree_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class TreeGame : public ::testing::Test {
protected:
    ~TreeGame() override { InstallGameServices({}); }

    void StartGame() {
        RegisterGameClasses();
        RegisterGameFontMetrics();
        platform::SeedRandom(2026);
        testing_support::THarnessOptions options = testing_support::BuiltGameOptions(kDat);
        options.AllowPrinterUse = true;
        Game = std::make_unique<testing_support::TGameHarness>(options);
        testing_support::InstallBuiltScript(*Game, kDat, testing_support::TBuiltScript::RecordFile);
        InstallGameServices(TGameServices{&Config, nullptr, nullptr, &Printers});
        Game->Start();
    }

    // The game started and the tree room shown.
    void EnterTree() {
        StartGame();
        Game->World().GoRoom("TREE");
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), "TREE");
        EXPECT_EQ(Shown(), "");
    }

    TTreeRoom& Room() { return Game->RoomAs<TTreeRoom>("TREE"); }
    TTree& Tree() { return Room().Tree(); }

    std::string Shown() { return Game->MessageTexts(); }

    std::vector<std::uint8_t> Record() {
        TMemoryStream s;
        Room().WriteData(s);
        return s.Bytes();
    }

    TConfig Config;
    platform::headless::FakePrinters Printers{1};
    std::unique_ptr<testing_support::TGameHarness> Game;
};

}  // namespace tree_tests
