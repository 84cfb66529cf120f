#pragma once
// The built game folder played through the headless game, standing in the kitchen.
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
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/questions/gift_table.h"
#include "shell/game_services.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "tests/support/activity_steps.h"
#include "tests/support/built_game.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace kitchen_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

// Button (row, choice) of the machine: "#", its x, "B", the choice and the row.
inline std::string ChoiceButton(int row, int choice) { return testing_support::CookieButton(row, choice); }

// Wave ids of the kitchen's sounds (sound id + 1 for 45 to 55; see the remap table).
inline constexpr int kWaveDrop = 46, kWaveLand = 47, kWaveDoor = 48, kWaveMachine = 49, kWaveGulp = 50,
                     kWaveLastGulp = 51, kWavePour = 52, kWaveBaked = 53, kWaveTrayIn = 54, kWaveBite = 55,
                     kWaveLastBite = 56, kWaveRefill = 31, kWaveTicking = 58, kWaveRing = 57;

class KitchenGame : public testing_support::BuiltRoomGame {
protected:
    KitchenGame() : BuiltRoomGame(2026) {}

    // The game started and the kitchen shown (at its right end, the machine).
    void EnterKitchen() {
        StartGame();
        Go("KITCHEN");
    }

    void Go(const std::string& room) {
        Game->World().GoRoom(room);
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), room);
        EXPECT_EQ(Shown(), "");
    }

    TKitchenRoom& Kitchen() { return Game->RoomAs<TKitchenRoom>("KITCHEN"); }
    bool Enabled(const std::string& box) {
        THitBox* b = Game->Room()->FindHitBox(box);
        if (b == nullptr) throw std::runtime_error("no box " + box);
        return b->IsEnabled();
    }
    // A flag of the room shown, and whether the window shows action button i clickable.
    bool RoomFlag(std::uint16_t flag) { return (Game->Room()->Flags & flag) != 0; }
    bool ActionClickable(int i) { return Game->Window().ActionStates.at(std::size_t(i - 1)) == TActionState::Normal; }
    // The gift on the wrapping table, or nullptr.
    const TGift* GiftOnTable() { return Game->RoomAs<TWrapRoom>("WRAP").Gift(); }
    int Frame(const std::string& set) { return FindFrameSetOrFail(Kitchen().FrameSets(), set).CurrentFrame; }

    // Picks a cookie on the three rows of buttons.
    void Pick(int shape, int decoration, int variant) { testing_support::PickCookie(*Game, shape, decoration, variant); }
    // GO and the whole batch: 5 ticks to the first step, 2 for each of the 20 after it.
    void PressCookie() {
        Game->Click("#604GO");
        Game->Tick(5 + 2 * 20);
        ASSERT_EQ(Kitchen().MachineStep(), 0);
    }
    // From the right end to the left end: eight steps of 50 pixels.
    void ScrollLeft() {
        Game->Click("GO_L_END");
        Game->Tick(8);
        ASSERT_EQ(Kitchen().ScrollOffset, 0);
    }
    // The oven clicked at the left end, ticked until the tray room shows.
    void Bake() {
        if (Kitchen().ScrollOffset != 0) ScrollLeft();
        Game->Click("#223OVN");
        for (int i = 0; i < 400 && Game->RoomName() == "KITCHEN"; ++i) Game->Tick();
        ASSERT_EQ(Game->RoomName(), "TRAY");
    }

    // Every sound played so far (wave ids), letting each queued one start and end.
    std::vector<int> Heard() {
        while (Game->CompleteSound()) {
        }
        return Game->SoundLog();
    }
    bool HeardWave(int wave) {
        const auto log = Heard();
        return std::find(log.begin(), log.end(), wave) != log.end();
    }
};

}  // namespace kitchen_tests
