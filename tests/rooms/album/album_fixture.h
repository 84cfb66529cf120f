#pragma once
// The album played through the headless game over the built game folder, with small test
// snapshot kinds in place of the activity rooms' kinds and the headless printers.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/game_font_metrics.h"
#include "foundation/stream_values.h"
#include "platform/headless/fake_printers.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/game_classes.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace album_test {

namespace fs = std::filesystem;

// A test snapshot: a picture of one colour with a border of another, drawn scaled into the
// rectangle it is given; its stream is its two colour bytes.
class TTestSnapshot : public TSnapshot {
public:
    TTestSnapshot(std::uint8_t fill, std::uint8_t border) : Fill(fill), Border(border) {}
    std::uint8_t Fill;
    std::uint8_t Border;
};

inline void DrawTestSnapshot(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library&) {
    auto& test = static_cast<TTestSnapshot&>(snapshot);
    surface.FillRect(rect, test.Border);
    surface.FillRect(TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1}, test.Fill);
}

// The doll's way: a figure in the middle of a black picture, so printing fills the black.
inline void DrawOnBlack(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library&) {
    auto& test = static_cast<TTestSnapshot&>(snapshot);
    surface.FillRect(rect, 0);
    const std::int32_t w = rect.Right - rect.Left;
    const std::int32_t h = rect.Bottom - rect.Top;
    surface.FillRect(MakeBounds(rect.Left + w / 4, rect.Top + h / 4, w / 2, h / 2), test.Fill);
}

inline std::unique_ptr<TSnapshot> ReadTestSnapshot(TStream& s) {
    const std::uint8_t fill = ReadU8(s);
    const std::uint8_t border = ReadU8(s);
    return std::make_unique<TTestSnapshot>(fill, border);
}

inline void WriteTestSnapshot(const TSnapshot& snapshot, TStream& s) {
    const auto& test = static_cast<const TTestSnapshot&>(snapshot);
    WriteByte(s, test.Fill);
    WriteByte(s, test.Border);
}

// The test kinds: 3 with the cookie tray's sizes (wide), 2 with the doll's (tall, drawn on
// black, printed on white).
inline TSnapshotKind WideTestKind() {
    TSnapshotKind kind;
    kind.Kind = 3;
    kind.Thumbnail = {200, 138};
    kind.Full = {432, 298};
    kind.Hung = {103, 71};
    kind.Draw = DrawTestSnapshot;
    kind.Read = ReadTestSnapshot;
    kind.Write = WriteTestSnapshot;
    return kind;
}

inline TSnapshotKind TallTestKind() {
    TSnapshotKind kind;
    kind.Kind = 2;
    kind.Thumbnail = {132, 207};
    kind.Full = {122, 192};
    kind.Hung = {45, 71};
    kind.WhitePrintBackground = true;
    kind.Draw = DrawOnBlack;
    kind.Read = ReadTestSnapshot;
    kind.Write = WriteTestSnapshot;
    return kind;
}

class AlbumTest : public ::testing::Test {
protected:
    AlbumTest() {
        RegisterGameClasses();
        RegisterSnapshotKind(WideTestKind());
        RegisterSnapshotKind(TallTestKind());
    }
    ~AlbumTest() override {
        End();
        UnregisterSnapshotKind(2);
        UnregisterSnapshotKind(3);
    }

    void Start(bool allowPrinting = false) {
        RegisterGameFontMetrics();
        const fs::path dat = fs::path(ZORVIK_GAME_DIR) / "dat";
        testing_support::THarnessOptions options = testing_support::BuiltGameOptions(dat);
        options.AllowPrinterUse = allowPrinting;
        End();
        Game = std::make_unique<testing_support::TGameHarness>(options);
        // The harness registers the rooms' own kinds; the test kinds stand in for them.
        RegisterSnapshotKind(WideTestKind());
        RegisterSnapshotKind(TallTestKind());
        testing_support::InstallBuiltScript(*Game, dat, testing_support::TBuiltScript::Text);
        Game->Start();
        Install();
    }

    // The configuration the services point at goes with the game that ends.
    void Restart() {
        Game->Context().SetServices({});
        Game->Close();
        Game->Start();
        Install();
    }

    void End() {
        Game.reset();
    }

    // The album reads the configuration and the printers through the game's services.
    void Install() { Game->Context().SetServices(TGameServices{&Game->Config(), nullptr, nullptr, &Printers}); }

    TAlbumRoom& Album() { return Game->RoomAs<TAlbumRoom>("ALBUM"); }

    void Add(std::uint8_t fill, std::uint8_t kind = 3) {
        Album().AddPicture(std::make_unique<TTestSnapshot>(fill, 1), kind);
    }

    // Into the album, past its closed cover.
    void Open() {
        Game->World().GoRoom("ALBUM");
        Game->Tick(21);
        ASSERT_EQ(Game->RoomName(), "ALBUM");
        ASSERT_FALSE(Album().CoverShown());
    }

    bool Enabled(const char* box) { return Album().FindHitBox(box)->IsEnabled(); }

    std::string Shown() { return Game->MessageTexts(); }

    TActionState Action(int index) { return Game->Window().ActionStates.at(std::size_t(index - 1)); }
    TActionCommand Command(int index) { return Game->Window().ActionCommands.at(std::size_t(index - 1)); }

    platform::headless::FakePrinters Printers{2};
    std::unique_ptr<testing_support::TGameHarness> Game;
};

}  // namespace album_test
