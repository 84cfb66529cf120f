#pragma once
// What a child does in an activity room, as steps through the headless game: the room tests
// and the whole-house test play the same way, so a change of a room's boxes is mended once.
#include <cstdint>
#include <string>

#include "foundation/geometry.h"
#include "tests/support/game_harness.h"

class TConcRoom;
class TPuzzle;
class TTrainRoom;

namespace testing_support {

// --- The train table ---
// The middle of a tile of the table and a point in it, in view coordinates.
TPoint TrainTilePoint(std::int32_t x, std::int32_t y, std::int32_t dx = 37, std::int32_t dy = 37);
// A press on the palette cell (pressing the picked plain-ground cell again turns its scenery).
void PickTrack(TGameHarness& game, int column, int row);
// A click on the table at a point of a tile, the mouse coming over it first.
void ClickTrainTile(TGameHarness& game, std::int32_t x, std::int32_t y, std::int32_t dx = 37, std::int32_t dy = 37);
// The palette cell picked unless it already is, and laid on the tile.
void LayTrack(TGameHarness& game, TTrainRoom& room, std::int32_t x, std::int32_t y, int column, int row);
// A loop of track round the edge of the table, laid from the palette's first page.
void LayTrackLoop(TGameHarness& game, TTrainRoom& room);
// Engine n taken from the shelf and set on the tile.
void PlaceEngine(TGameHarness& game, int n, std::int32_t x, std::int32_t y, std::int32_t dx = 50, std::int32_t dy = 37);

// --- The card table ---
// The box of the deck (0 to 2) taken and all its cards dealt.
void DealCards(TGameHarness& game, TConcRoom& room, int deck);
// Every pair of the deck in play turned up and found.
void FinishCardDeck(TGameHarness& game, TConcRoom& room);

// --- The puzzle machine ---
// The box of the cube in column c, row r (1-based).
std::string PuzzleCube(int c, int r);
// Every cube clicked round to the face of this state.
void TurnPuzzleTo(TGameHarness& game, TPuzzle& puzzle, int face);

// --- The doll theatre ---
// The wardrobe opened and every piece in it shown (the reveal's steps follow every three
// ticks, after the tick on which the first timer fires).
void OpenDollWardrobe(TGameHarness& game);

// --- The kitchen ---
// The machine's button of a row (1 shape, 2 decoration, 3 colour) and choice (1 to 5).
std::string CookieButton(int row, int choice);
// One cookie chosen on the three rows.
void PickCookie(TGameHarness& game, int shape, int decoration, int variant);

}  // namespace testing_support
