#pragma once
// The built game folder played through the headless game at the wrapping table. The living
// room and the workshop are stood in for by small rooms of the tests, so the table's questions
// to them can be checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "platform/random.h"
#include "rooms/game_classes.h"
#include "rooms/questions/gift_table.h"
#include "rooms/questions/toys_in_repair.h"
#include "rooms/questions/wrapped_gifts.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace wrap_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

// A living room that keeps what it collects, as the real one keeps the gifts under its tree.
class TGiftCollector final : public TRoom, public TWrappedGiftCollector {
public:
    using TRoom::TRoom;
    void CollectWrappedGift(bool force) override {
        Calls.push_back(force);
        auto* table = FindWrapRoom(*GetWorld(), kWrapRoomName);
        if (table == nullptr || table->GiftState() == 0) return;
        if (table->GiftState() >= 2)
            Collected.push_back(table->TakeGift());
        else
            table->DropGift();
    }
    std::vector<bool> Calls;
    std::vector<std::unique_ptr<TGift>> Collected;
};

// A workshop with the slate toy on its repair shelf.
class TSlateRepairShop final : public TRoom, public TToysInRepair {
public:
    using TRoom::TRoom;
    bool ToyWaitingBroken(int toy) const override { return toy == kSlateToy && InRepair; }
    bool InRepair = true;
};

class WrapGame : public ::testing::Test {
protected:

    void StartGame() {
        RegisterGameClasses();
        RegisterGameFontMetrics();
        testing_support::THarnessOptions options = testing_support::BuiltGameOptions(kDat);
        options.RandomSeed = 2026;
        Game = std::make_unique<testing_support::TGameHarness>(options);
        testing_support::InstallBuiltScript(*Game, kDat, testing_support::TBuiltScript::RecordFile);
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr, nullptr});
        Game->Start();
    }

    TGiftCollector& AddLivingRoom() {
        return *static_cast<TGiftCollector*>(Game->World().AddRoom(std::make_unique<TGiftCollector>("LIVING")));
    }

    // The game started and the wrapping table shown, with a gift of that kind on it (none for
    // a kind of 255).
    void EnterWrap(std::uint8_t kind = kTrainGift, std::uint8_t detail = 0) {
        StartGame();
        if (kind != 255) Table().SetGift(kind, detail);
        Game->World().GoRoom("WRAP");
        Game->Tick(1);
        ASSERT_EQ(Game->RoomName(), "WRAP");
        EXPECT_EQ(Shown(), "");
    }

    TWrapRoom& Table() { return Game->RoomAs<TWrapRoom>("WRAP"); }
    TWrapRoom& ShowRoom() { return Game->RoomAs<TWrapRoom>("SHOWGIFT"); }
    const TGift& Gift() {
        const TGift* gift = Table().Gift();
        if (gift == nullptr) throw std::runtime_error("no gift on the table");
        return *gift;
    }
    int Frame(const std::string& name) { return FindFrameSetOrFail(Game->Room()->FrameSets(), name).CurrentFrame; }
    bool Enabled(const std::string& box) { return Game->Room()->FindHitBox(box)->IsEnabled(); }
    std::string Shown() { return Game->MessageTexts(); }

    TConfig Config;
    std::unique_ptr<testing_support::TGameHarness> Game;
};

}  // namespace wrap_tests
