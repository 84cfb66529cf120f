#pragma once
// The built game folder played through the headless game, standing in the card room. The
// workshop that leads there comes with its own room, so the tests go to the room directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"
#include "rooms/cards/conc_room.h"
#include "rooms/game_classes.h"
#include "shell/game_services.h"
#include "shell/sound_ids.h"
#include "tests/support/activity_steps.h"
#include "tests/support/built_game.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

namespace card_tests {

namespace fs = std::filesystem;
inline const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class CardGame : public testing_support::BuiltRoomGame {
protected:
    CardGame() : BuiltRoomGame(1225) {}

    void EnterCards() { StartIn("CONC"); }

    TConcRoom& Room() { return Game->RoomAs<TConcRoom>("CONC"); }
    const TConcentration& Cards() { return Room().Game(); }
    bool Enabled(const std::string& box) { return Room().FindHitBox(box)->IsEnabled(); }

    // The two cards on the table that show this face.
    std::pair<int, int> CardsOf(int face) {
        std::vector<int> found;
        for (int i = 1; i <= Cards().InPlay(); ++i)
            if (Cards().Card(i).Face == face) found.push_back(i);
        EXPECT_EQ(found.size(), 2u) << "face " << face;
        return found.size() == 2 ? std::make_pair(found[0], found[1]) : std::make_pair(0, 0);
    }
    // A card that does not match card i.
    int OtherThan(int i) {
        for (int j = 1; j <= Cards().InPlay(); ++j)
            if (Cards().Card(j).Face != Cards().Card(i).Face && !Cards().Card(j).Removed) return j;
        return 0;
    }
    void ClickCard(int i) { Game->Click("C" + std::to_string(i)); }

    // The deck taken and all its cards dealt.
    void DealDeck(int deck) { testing_support::DealCards(*Game, Room(), deck); }
    // Every pair of the deck in play found.
    void FinishDeck() { testing_support::FinishCardDeck(*Game, Room()); }

    // Waves heard since the last call, with every queued one let through.
    std::vector<int> NewSounds() {
        while (Game->CompleteSound()) {
        }
        const auto log = Game->SoundLog();
        std::vector<int> fresh(log.begin() + std::ptrdiff_t(std::min(FHeard, log.size())), log.end());
        FHeard = log.size();
        return fresh;
    }
    static int Wave(int sound) { return RemapSoundId(sound); }

private:
    std::size_t FHeard = 0;
};

}  // namespace card_tests
