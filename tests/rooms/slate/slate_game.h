#pragma once
// The built game folder played through the headless game, standing in the slate room. Most tests go
// to the room directly; the way from the workshop is tested where it starts.
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
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace slate_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class SlateGame : public testing_support::BuiltRoomGame {
protected:
    SlateGame() : BuiltRoomGame(2027) {}

    void EnterSlate() { StartIn("SLATE"); }

    TSlateRoom& Room() { return Game->RoomAs<TSlateRoom>("SLATE"); }
    TSlateDrawing& Drawing() { return Room().Drawing(); }

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
};

}  // namespace slate_tests
