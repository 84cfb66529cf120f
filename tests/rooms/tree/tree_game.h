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
#include "foundation/text.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/game_classes.h"
#include "rooms/tree/tree_room.h"
#include "shell/game_services.h"
#include "shell/init_script.h"
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
        testing_support::THarnessOptions options;
        options.WriteLibrary = [](const fs::path& library) {
            fs::copy_file(kDat / "Zorvik.ac8", library, fs::copy_options::overwrite_existing);
        };
        options.BuildRooms = [](TWorld& world) { LoadGameScript(world); };
        options.AllowPrinterUse = true;
        Game = std::make_unique<testing_support::TGameHarness>(options);
        fs::remove(Game->Folder().Path() / "dat" / "init.txt");
        fs::copy_file(kDat / "init.dat", Game->Folder().Path() / "dat" / "init.dat", fs::copy_options::overwrite_existing);
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

    std::string Shown() {
        std::string all;
        for (const auto& message : Game->Messages()) all += Utf16ToUtf8(message.Text) + "\n";
        return all;
    }

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
