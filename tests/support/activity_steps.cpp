#include "tests/support/activity_steps.h"

#include <gtest/gtest.h>

#include <vector>

#include "rooms/cards/conc_room.h"
#include "rooms/cards/concentration.h"
#include "rooms/dolls/doll_room.h"
#include "rooms/puzzle/puzzle.h"
#include "rooms/train/train_room.h"

namespace testing_support {

// --- The train table: 5 x 4 tiles of 75 pixels from (10, 9); the palette's cells are 32
// pixels from (405, 1).

TPoint TrainTilePoint(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy) {
    return TPoint{10 + 75 * x + dx, 9 + 75 * y + dy};
}

void PickTrack(TGameHarness& game, int column, int row) { game.MouseDown(TPoint{405 + 32 * column + 16, 1 + 32 * row + 16}); }

void ClickTrainTile(TGameHarness& game, std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy) {
    const TPoint at = TrainTilePoint(x, y, dx, dy);
    game.MouseMove(at);
    game.MouseDown(at);
    game.MouseUp(at);
}

void LayTrack(TGameHarness& game, TTrainRoom& room, std::int32_t x, std::int32_t y, int column, int row) {
    if (room.SelectedCell() != TPoint{column, row}) PickTrack(game, column, row);
    ClickTrainTile(game, x, y, 5, 5);
}

void LayTrackLoop(TGameHarness& game, TTrainRoom& room) {
    LayTrack(game, room, 0, 0, 0, 2);
    for (int x = 1; x <= 3; ++x) LayTrack(game, room, x, 0, 2, 1);
    LayTrack(game, room, 4, 0, 1, 3);
    for (int y = 1; y <= 2; ++y) {
        LayTrack(game, room, 0, y, 2, 0);
        LayTrack(game, room, 4, y, 2, 0);
    }
    LayTrack(game, room, 0, 3, 0, 3);
    for (int x = 1; x <= 3; ++x) LayTrack(game, room, x, 3, 2, 1);
    LayTrack(game, room, 4, 3, 1, 2);
}

void PlaceEngine(TGameHarness& game, int n, std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy) {
    game.Click(n == 1 ? "ENG1" : "ENG2");
    ClickTrainTile(game, x, y, dx, dy);
}

// --- The card table

void DealCards(TGameHarness& game, TConcRoom& room, int deck) {
    game.Click("D" + std::to_string(deck + 1));
    // Each card flies to its place in five ticks.
    game.Tick(5 * room.Game().InPlay() + 2);
    ASSERT_EQ(room.Dealt(), room.Game().InPlay());
}

void FinishCardDeck(TGameHarness& game, TConcRoom& room) {
    const TConcentration& cards = room.Game();
    const int deck = cards.CurrentDeck();
    for (int face = DeckFirstFace(deck); face < DeckFirstFace(deck) + DeckPairs(deck); ++face) {
        std::vector<int> pair;
        for (int i = 1; i <= cards.InPlay(); ++i)
            if (cards.Card(i).Face == face) pair.push_back(i);
        ASSERT_EQ(pair.size(), 2u) << "face " << face;
        if (cards.Card(pair[0]).Removed) continue;
        game.Click("C" + std::to_string(pair[0]));
        game.Click("C" + std::to_string(pair[1]));
        // The pair shows for a moment before it leaves the table.
        game.Tick(11);
    }
}

// --- The puzzle machine

std::string PuzzleCube(int c, int r) { return std::string{char('0' + c), char('0' + r)}; }

void TurnPuzzleTo(TGameHarness& game, TPuzzle& puzzle, int face) {
    for (int c = 1; c <= puzzle.Size(); ++c)
        for (int r = 1; r <= puzzle.Size(); ++r)
            for (int turns = 0; turns < 8 && puzzle.State(c, r) != face; ++turns) game.Click(PuzzleCube(c, r));
}

// --- The doll theatre

void OpenDollWardrobe(TGameHarness& game) {
    game.Click("DRAWER");
    game.Tick(1 + 3 * kDrawerItemCount);
}

// --- The kitchen: the buttons are named "#", their x in the wide picture, "B", the choice
// and the row.

std::string CookieButton(int row, int choice) {
    static const int x[5] = {742, 772, 802, 832, 862};
    return "#" + std::to_string(x[choice - 1]) + "B" + std::to_string(choice) + std::to_string(row);
}

void PickCookie(TGameHarness& game, int shape, int decoration, int variant) {
    game.Click(CookieButton(1, shape));
    game.Click(CookieButton(2, decoration));
    game.Click(CookieButton(3, variant));
}

}  // namespace testing_support
