#pragma once
// The fixture room tests share: the built game folder played through the headless game with
// printing allowed on one headless printer, the random numbers seeded, and the fixture's
// configuration and printer given to the rooms.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "platform/headless/fake_printers.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/game_classes.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace testing_support {

class BuiltRoomGame : public ::testing::Test {
protected:
    // `seed` makes each suite's random choices its own and the same on every run.
    explicit BuiltRoomGame(std::uint32_t seed) : FSeed(seed) {}

    static std::filesystem::path Dat() { return std::filesystem::path(ZORVIK_GAME_DIR) / "dat"; }

    void StartGame() {
        RegisterGameClasses();
        RegisterGameFontMetrics();
        THarnessOptions options = BuiltGameOptions(Dat());
        options.AllowPrinterUse = true;
        options.RandomSeed = FSeed;
        Game = std::make_unique<TGameHarness>(options);
        InstallBuiltScript(*Game, Dat(), TBuiltScript::RecordFile);
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr, &Printers});
        Game->Start();
    }

    // The game started and the room shown, without a message.
    void StartIn(const std::string& room) {
        StartGame();
        Game->World().GoRoom(room);
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), room);
        EXPECT_EQ(Shown(), "");
    }

    std::string Shown() { return Game->MessageTexts(); }

    TAlbumRoom& Album() { return Game->RoomAs<TAlbumRoom>("ALBUM"); }
    // A snapshot as the saved game keeps it, written by its kind's own routine.
    static std::vector<std::uint8_t> SnapshotStream(const TPicNode& entry) {
        TMemoryStream s;
        FindSnapshotKind(entry.Kind)->Write(*entry.Snapshot, s);
        return s.Bytes();
    }
    // The same for picture n (1-based) of the album.
    std::vector<std::uint8_t> AlbumEntryStream(int n) { return SnapshotStream(*Album().Entry(n)); }

    TConfig Config;
    platform::headless::FakePrinters Printers{1};
    std::unique_ptr<TGameHarness> Game;

private:
    std::uint32_t FSeed;
};

}  // namespace testing_support
