#pragma once
// The card-matching game: three decks of 4, 5 and 8 pairs on a shelf, one of them dealt face
// down onto the table at a time. Which decks are taken (being played or finished), the cards
// of the deck in play, and which of the 17 faces count as found.
#include <array>
#include <cstdint>

inline constexpr int kConcDecks = 3;
inline constexpr int kConcFaces = 17;
inline constexpr int kConcMostCards = 16;

struct ConcCard {
    bool FirstOfPair = false;
    bool FaceUp = false;
    bool Removed = false;
    std::uint8_t Face = 0;  // 0 to 16
};

// Pairs of each deck and the first of its faces: deck 0 faces 0..3, 1 faces 4..8, 2 faces 9..16.
int DeckPairs(int deck);
int DeckFirstFace(int deck);
// The deck a face belongs to.
int DeckOfFace(int face);

namespace platform {
class RandomNumbers;
}

class TConcentration {
public:
    // Taking a deck deals its pairs shuffled (face down, none removed) and makes it the deck in
    // play; putting it back clears its flag, and the table when it was the deck in play.
    void SetDeck(int deck, bool taken, platform::RandomNumbers& random);
    bool DeckTaken(int deck) const;
    // Both cards on the table (1 to the card count), different, and of the same face.
    bool IsMatch(int i, int j) const;
    void SetFaceUp(int i, bool up);
    // When the last card goes, the table is empty and the deck stays taken: finished.
    void Remove(int i);
    bool AllRemoved() const;
    void Reset();
    // Lit among the room's pictures: the face's deck is taken and either finished (no deck in
    // play, or another one) or the pair of this face has been taken off the table.
    bool FaceShown(int face) const;
    // Cards on the table: 2 x the pairs of the deck in play, 0 with none.
    int InPlay() const;

    int CardCount() const { return FCardCount; }
    int CurrentDeck() const { return FCurrentDeck; }
    // Card i, 1 to 16.
    const ConcCard& Card(int i) const { return FCards.at(static_cast<std::size_t>(i - 1)); }

private:
    std::array<bool, kConcDecks> FDeckTaken{};
    std::uint8_t FCardCount = 0;
    std::array<ConcCard, kConcMostCards> FCards{};
    std::uint8_t FCurrentDeck = 0;
};
