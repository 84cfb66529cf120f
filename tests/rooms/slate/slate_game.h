#pragma once
// The built game folder played through the headless game, standing in the slate room. The
// workshop that leads there comes later, so the tests go to the room directly.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/game_classes.h"
#include "rooms/slate/slate_drawing.h"
#include "rooms/slate/slate_pieces.h"
#include "rooms/slate/slate_room.h"
#include "shell/game_services.h"
#include "shell/world.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace slate_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class SlateGame : public ::testing::Test {
protected:
    ~SlateGame() override { InstallGameServices({}); }

    void StartGame() {
        RegisterGameClasses();
        RegisterGameFontMetrics();
        platform::SeedRandom(2027);
        testing_support::THarnessOptions options = testing_support::BuiltGameOptions(kDat);
        options.AllowPrinterUse = true;
        Game = std::make_unique<testing_support::TGameHarness>(options);
        testing_support::InstallBuiltScript(*Game, kDat, testing_support::TBuiltScript::RecordFile);
        InstallGameServices(TGameServices{&Config, nullptr, nullptr, &Printers});
        Game->Start();
    }

    void EnterSlate() {
        StartGame();
        Game->World().GoRoom("SLATE");
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), "SLATE");
        EXPECT_EQ(Shown(), "");
    }

    TSlateRoom& Room() { return Game->RoomAs<TSlateRoom>("SLATE"); }
    TSlateDrawing& Drawing() { return Room().Drawing(); }
    std::string Shown() { return Game->MessageTexts(); }

    std::vector<std::uint8_t> Record() {
        TMemoryStream s;
        Room().WriteData(s);
        return s.Bytes();
    }

    // The view pixel at a slate point.
    std::uint8_t SlatePixel(TPoint p) { return Game->ViewPixel(p.X + 15, p.Y + 15); }

    // Presses panel button n (adds the page's sticker for 5..12) and lets it come back up.
    void AddSticker(int n) {
        Game->Click(std::to_string(n));
        Game->Tick(6);
    }

    // A slate point on region k of sticker n (its seed).
    TPoint OnRegion(int n, std::size_t k = 0) {
        TSlateDrawingObject* sticker = Drawing().Sticker(n);
        return PointAdd(sticker->Position, TPoint{sticker->Record().Seeds[k].X, sticker->Record().Seeds[k].Y});
    }

    TConfig Config;
    platform::headless::FakePrinters Printers{1};
    std::unique_ptr<testing_support::TGameHarness> Game;
};

}  // namespace slate_tests
