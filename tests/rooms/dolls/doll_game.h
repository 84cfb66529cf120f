#pragma once
// The built game folder played through the headless game, standing in the doll theatre. The
// tests go to the room directly, as the workshop's doll theatre does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/dolls/doll_room.h"
#include "rooms/game_classes.h"
#include "shell/frame_set.h"
#include "shell/game_services.h"
#include "shell/room.h"
#include "tests/support/activity_steps.h"
#include "tests/support/built_game.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace doll_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class DollGame : public testing_support::BuiltRoomGame {
protected:
    DollGame() : BuiltRoomGame(2026) {}

    void StartGame() {
        BuiltRoomGame::StartGame();
        ASSERT_EQ(Shown(), "") << "the built init script loads without a message";
    }

    // The game started and the doll room shown with its curtains open.
    void EnterDolls() {
        StartGame();
        Game->World().GoRoom("DOLLS");
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), "DOLLS");
        Game->Tick(26);
        ASSERT_EQ(Room().CurtainStep(), 2);
    }

    // A whole doll of one look, chosen by the pickers.
    void ChooseAll(char choice) {
        for (const char kind : {'T', 'H', 'A', 'L'}) Game->Click(std::string{kind, choice});
    }

    // The wardrobe opened and every item in it shown. A timer fires on the tick after its
    // delay; the reveal's next steps follow every three ticks.
    void OpenWardrobe() { testing_support::OpenDollWardrobe(*Game); }

    TDollRoom& Room() { return Game->RoomAs<TDollRoom>("DOLLS"); }
    const TDoll& Doll() { return Room().Doll(); }
    int Frame(const std::string& name) { return FindFrameSetOrFail(Room().FrameSets(), name).CurrentFrame; }
    bool Enabled(const std::string& box) {
        THitBox* hit = Room().FindHitBox(box);
        if (hit == nullptr) throw std::runtime_error("no box " + box);
        return hit->IsEnabled();
    }
    bool SnapAndWrapEnabled() {
        return (Room().Flags & kRoomSnapEnabled) != 0 && (Room().Flags & kRoomWrapEnabled) != 0;
    }

    std::vector<int> Heard() {
        while (Game->CompleteSound()) {
        }
        return Game->SoundLog();
    }
};

}  // namespace doll_tests
