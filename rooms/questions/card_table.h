#pragma once
// The card game of the room "CONC" as the workshop's work table shows it: which decks are off
// the shelf, which of the 17 faces are lit, and the cards of the deck in play.
#include <array>
#include <cstdint>

class TRoomWorld;

struct TCardOnTable {
    bool FirstOfPair = false;
    bool FaceUp = false;
    bool Removed = false;
    std::uint8_t Face = 0;  // 0 to 16
};

inline constexpr int kCardDecks = 3;
inline constexpr int kCardFaces = 17;
inline constexpr int kMostCardsOnTable = 16;

struct TCardTableView {
    std::array<bool, kCardDecks> DeckTaken{};
    // 2 x the pairs of the deck in play; 0 when no deck is in play.
    std::uint8_t CardCount = 0;
    std::array<TCardOnTable, kMostCardsOnTable> Cards{};
    std::uint8_t CurrentDeck = 0;  // 0 to 2
    std::array<bool, kCardFaces> FaceLit{};
};

class TCardTableAnswer {
public:
    virtual ~TCardTableAnswer() = default;
    virtual TCardTableView CardTable() const = 0;
};

// Every deck on the shelf and no face lit while the house has no card room.
TCardTableView CardTable(const TRoomWorld& world);
