#pragma once
// Where the card room's pieces lie: in the view, and in its two picture sheets ("concgfx": the
// decks, the table and the 17 faces lit and unlit; "cardgfx": the card faces and backs).
#include <array>
#include <cstdint>

#include "foundation/geometry.h"
#include "rooms/cards/concentration.h"

namespace conc_layout {

inline constexpr std::int32_t kCardWidth = 36;
inline constexpr std::int32_t kCardHeight = 46;
// The table's picture in "concgfx", and where it stands in the view.
inline constexpr TRect kTableSource{69, 0, 386, 109};
inline constexpr TPoint kTableAt{25, 192};
inline constexpr std::int32_t kRowStep = 62;

struct TDeckPlace {
    TPoint At;
    TRect OnShelf;
    TRect Taken;
    std::int32_t Start;  // the first card's x within the table
    std::int32_t Step;   // from card to card
};
inline constexpr std::array<TDeckPlace, kConcDecks> kDecks{{
    {{384, 221}, {0, 0, 61, 25}, {0, 25, 61, 50}, 60, 54},
    {{422, 249}, {0, 50, 69, 85}, {0, 85, 69, 120}, 40, 50},
    {{447, 210}, {0, 120, 65, 154}, {0, 154, 65, 188}, 0, 40},
}};

struct TFacePlace {
    TPoint At;
    TRect Lit;
    TRect Unlit;
};
inline constexpr std::array<TFacePlace, kConcFaces> kFaces{{
    {{141, 28}, {69, 109, 100, 144}, {65, 144, 96, 179}},
    {{344, 27}, {100, 109, 130, 144}, {96, 144, 126, 179}},
    {{216, 16}, {130, 109, 203, 176}, {203, 109, 276, 176}},
    {{226, 147}, {65, 179, 119, 204}, {119, 179, 173, 204}},
    {{172, 17}, {276, 109, 292, 179}, {292, 109, 308, 179}},
    {{291, 28}, {308, 109, 324, 168}, {324, 109, 340, 168}},
    {{187, 34}, {340, 109, 363, 162}, {363, 109, 386, 162}},
    {{327, 31}, {0, 188, 14, 243}, {14, 188, 28, 243}},
    {{312, 29}, {28, 188, 44, 245}, {44, 188, 60, 245}},
    {{163, 88}, {180, 176, 202, 248}, {202, 176, 224, 248}},
    {{251, 91}, {104, 204, 125, 249}, {125, 204, 146, 249}},
    {{179, 87}, {60, 204, 82, 247}, {82, 204, 104, 247}},
    {{282, 91}, {224, 176, 245, 234}, {245, 176, 266, 234}},
    {{198, 89}, {316, 168, 334, 229}, {334, 168, 352, 229}},
    {{305, 87}, {146, 204, 163, 247}, {163, 204, 180, 247}},
    {{222, 85}, {266, 179, 291, 237}, {291, 179, 316, 237}},
    {{331, 87}, {352, 162, 371, 247}, {371, 162, 390, 247}},
}};

// The part of the room a snapshot shows: the shelves with the 17 pictures.
inline constexpr TRect kSnapshotPart{126, 15, 385, 172};

// Card i (1 to 2 x pairs) of a deck, in the view: the first pairs in the top row, the rest
// one row lower.
inline TRect CardRect(int deck, int i) {
    const TDeckPlace& place = kDecks[static_cast<std::size_t>(deck)];
    const int pairs = DeckPairs(deck);
    const int row = i <= pairs ? 0 : 1;
    const int column = row == 0 ? i : i - pairs;
    const std::int32_t x = kTableAt.X + place.Start + place.Step * (column - 1);
    const std::int32_t y = kTableAt.Y + kRowStep * row;
    return TRect{x, y, x + kCardWidth, y + kCardHeight};
}

// "cardgfx": the backs of the three decks side by side in the top row; below them the faces,
// card k (from 1) of decks 0 and 1 one below the other in the first column (deck 1 from row
// 230), deck 2's in the third; the second card of a pair one column to the right.
inline TPoint CardFaceSource(const ConcCard& card) {
    const int deck = DeckOfFace(card.Face);
    const int k = card.Face - DeckFirstFace(deck) + 1;
    TPoint at = deck == 0   ? TPoint{0, kCardHeight * k}
                : deck == 1 ? TPoint{0, 230 + kCardHeight * (k - 1)}
                            : TPoint{72, kCardHeight * k};
    if (!card.FirstOfPair) at.X += kCardWidth;
    return at;
}

inline TPoint CardBackSource(int deck) { return TPoint{kCardWidth * deck, 0}; }

}  // namespace conc_layout
