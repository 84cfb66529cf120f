#include "rooms/cards/concentration.h"

#include <utility>

#include "platform/random.h"

namespace {
constexpr std::array<int, kConcDecks> kPairs{4, 5, 8};
constexpr std::array<int, kConcDecks> kFirstFaces{0, 4, 9};

bool ValidDeck(int deck) { return deck >= 0 && deck < kConcDecks; }
}  // namespace

int DeckPairs(int deck) { return ValidDeck(deck) ? kPairs[static_cast<std::size_t>(deck)] : 0; }
int DeckFirstFace(int deck) { return ValidDeck(deck) ? kFirstFaces[static_cast<std::size_t>(deck)] : 0; }

int DeckOfFace(int face) {
    if (face >= kFirstFaces[2]) return 2;
    if (face >= kFirstFaces[1]) return 1;
    return 0;
}

bool TConcentration::DeckTaken(int deck) const { return ValidDeck(deck) && FDeckTaken[static_cast<std::size_t>(deck)]; }

void TConcentration::SetDeck(int deck, bool taken, platform::RandomNumbers& random) {
    if (!ValidDeck(deck) || DeckTaken(deck) == taken) return;
    FDeckTaken[static_cast<std::size_t>(deck)] = taken;
    if (!taken) {
        if (deck == FCurrentDeck) FCardCount = 0;
        return;
    }
    const int pairs = DeckPairs(deck);
    FCardCount = static_cast<std::uint8_t>(2 * pairs);
    FCurrentDeck = static_cast<std::uint8_t>(deck);
    for (int c = 1; c <= pairs; ++c) {
        const auto face = static_cast<std::uint8_t>(DeckFirstFace(deck) + c - 1);
        FCards[static_cast<std::size_t>(2 * c - 2)] = ConcCard{true, false, false, face};
        FCards[static_cast<std::size_t>(2 * c - 1)] = ConcCard{false, false, false, face};
    }
    // From the last card down to the second, each swaps with a card at or before it.
    for (int n = FCardCount; n >= 2; --n)
        std::swap(FCards[static_cast<std::size_t>(n - 1)], FCards[static_cast<std::size_t>(random.Next(n))]);
}

bool TConcentration::IsMatch(int i, int j) const {
    if (i <= 0 || j <= 0 || i > FCardCount || j > FCardCount || i == j) return false;
    return Card(i).Face == Card(j).Face;
}

void TConcentration::SetFaceUp(int i, bool up) {
    if (i >= 1 && i <= kConcMostCards) FCards[static_cast<std::size_t>(i - 1)].FaceUp = up;
}

void TConcentration::Remove(int i) {
    if (i < 1 || i > kConcMostCards) return;
    FCards[static_cast<std::size_t>(i - 1)].Removed = true;
    if (AllRemoved()) FCardCount = 0;
}

bool TConcentration::AllRemoved() const {
    for (int i = 1; i <= FCardCount; ++i)
        if (!Card(i).Removed) return false;
    return true;
}

void TConcentration::Reset() {
    FDeckTaken = {};
    FCardCount = 0;
}

bool TConcentration::FaceShown(int face) const {
    if (face < 0 || face >= kConcFaces) return false;
    const int deck = DeckOfFace(face);
    if (!DeckTaken(deck)) return false;
    if (FCardCount == 0 || deck != FCurrentDeck) return true;
    for (int i = 1; i <= FCardCount; ++i)
        if (Card(i).Face == face) return Card(i).Removed;
    return false;
}

int TConcentration::InPlay() const { return FCardCount != 0 ? 2 * DeckPairs(FCurrentDeck) : 0; }
