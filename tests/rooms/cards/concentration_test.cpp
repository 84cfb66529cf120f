// The card game's rules on their own: dealing a shuffled deck, pairs, finishing, putting a
// deck back, and which faces count as found.
#include <gtest/gtest.h>

#include <array>

#include "platform/random.h"
#include "rooms/cards/conc_layout.h"
#include "rooms/cards/concentration.h"

namespace {

TEST(Concentration, TakingADealsItsPairsShuffledFaceDownWithOneFirstCardPerPair) {
    platform::RandomNumbers random(3);
    for (int deck = 0; deck < kConcDecks; ++deck) {
        TConcentration game;
        game.SetDeck(deck, true, random);
        ASSERT_EQ(game.CardCount(), 2 * DeckPairs(deck));
        EXPECT_EQ(game.InPlay(), game.CardCount());
        EXPECT_EQ(game.CurrentDeck(), deck);
        std::array<int, kConcFaces> seen{};
        std::array<int, kConcFaces> firsts{};
        bool inOrder = true;
        for (int i = 1; i <= game.CardCount(); ++i) {
            const ConcCard& card = game.Card(i);
            EXPECT_FALSE(card.FaceUp);
            EXPECT_FALSE(card.Removed);
            ASSERT_GE(card.Face, DeckFirstFace(deck));
            ASSERT_LT(card.Face, DeckFirstFace(deck) + DeckPairs(deck));
            ++seen[card.Face];
            if (card.FirstOfPair) ++firsts[card.Face];
            inOrder = inOrder && card.Face == DeckFirstFace(deck) + (i - 1) / 2;
        }
        for (int face = DeckFirstFace(deck); face < DeckFirstFace(deck) + DeckPairs(deck); ++face) {
            EXPECT_EQ(seen[static_cast<std::size_t>(face)], 2);
            EXPECT_EQ(firsts[static_cast<std::size_t>(face)], 1);
        }
        EXPECT_FALSE(inOrder) << "the pairs are shuffled";
    }
}

TEST(Concentration, ThePairsAreMatchedOnlyAmongTheCardsOnTheTable) {
    platform::RandomNumbers random(5);
    TConcentration game;
    game.SetDeck(0, true, random);
    int a = 0, b = 0;
    for (int i = 2; i <= 8; ++i)
        if (game.Card(i).Face == game.Card(1).Face) b = i;
    a = 1;
    EXPECT_TRUE(game.IsMatch(a, b));
    EXPECT_TRUE(game.IsMatch(b, a));
    EXPECT_FALSE(game.IsMatch(a, a));
    EXPECT_FALSE(game.IsMatch(0, b));
    EXPECT_FALSE(game.IsMatch(a, 9)) << "card 9 is not on a table of 8";
    EXPECT_FALSE(game.IsMatch(a, b == 2 ? 3 : 2));
}

TEST(Concentration, TheLastPairTakenClearsTheTableAndLightsTheDecksFaces) {
    platform::RandomNumbers random(8);
    TConcentration game;
    for (int face = 0; face < kConcFaces; ++face) EXPECT_FALSE(game.FaceShown(face));
    EXPECT_TRUE(game.AllRemoved()) << "nothing on the table";
    game.SetDeck(1, true, random);
    for (int face = 4; face <= 8; ++face) EXPECT_FALSE(game.FaceShown(face));
    // Take the pairs one face at a time: each face lights once its pair is off the table.
    for (int face = 4; face <= 8; ++face) {
        for (int i = 1; i <= 10; ++i)
            if (game.Card(i).Face == face) game.Remove(i);
        EXPECT_TRUE(game.FaceShown(face));
        if (face < 8) {
            EXPECT_EQ(game.CardCount(), 10);
            EXPECT_FALSE(game.FaceShown(face + 1));
        }
    }
    EXPECT_EQ(game.CardCount(), 0);
    EXPECT_EQ(game.InPlay(), 0);
    EXPECT_TRUE(game.DeckTaken(1)) << "finished, not put back";
    for (int face = 0; face < kConcFaces; ++face) EXPECT_EQ(game.FaceShown(face), face >= 4 && face <= 8);

    // A second deck in play leaves the finished one lit.
    game.SetDeck(0, true, random);
    EXPECT_TRUE(game.FaceShown(6));
    EXPECT_FALSE(game.FaceShown(0));
    // Putting the finished deck back darkens it; putting back the deck in play clears the table.
    game.SetDeck(1, false, random);
    EXPECT_FALSE(game.FaceShown(6));
    EXPECT_EQ(game.CardCount(), 8);
    game.SetDeck(0, false, random);
    EXPECT_EQ(game.CardCount(), 0);
    game.SetDeck(2, true, random);
    game.Reset();
    EXPECT_FALSE(game.DeckTaken(2));
    EXPECT_EQ(game.InPlay(), 0);
}

TEST(CardLayout, CardsLieInTwoRowsOnTheTableAndTakeTheirPicturesFromTheirFaces) {
    using namespace conc_layout;
    EXPECT_EQ(CardRect(0, 1), (TRect{85, 192, 121, 238}));
    EXPECT_EQ(CardRect(0, 5), (TRect{85, 254, 121, 300})) << "the fifth of four pairs starts the second row";
    EXPECT_EQ(CardRect(2, 8), (TRect{25 + 280, 192, 25 + 316, 238}));
    for (int deck = 0; deck < kConcDecks; ++deck)
        for (int i = 1; i <= 2 * DeckPairs(deck); ++i) {
            const TRect r = CardRect(deck, i);
            EXPECT_GE(r.Left, kTableAt.X);
            EXPECT_LE(r.Right, kTableAt.X + RectWidth(kTableSource)) << "deck " << deck << " card " << i;
            EXPECT_LE(r.Bottom, kTableAt.Y + RectHeight(kTableSource));
        }
    // Card k of a deck counted from 1: the top row holds the backs.
    EXPECT_EQ(CardFaceSource(ConcCard{true, false, false, 0}), (TPoint{0, 46}));
    EXPECT_EQ(CardFaceSource(ConcCard{true, false, false, 3}), (TPoint{0, 184}));
    EXPECT_EQ(CardFaceSource(ConcCard{true, false, false, 4}), (TPoint{0, 230}));
    EXPECT_EQ(CardFaceSource(ConcCard{false, false, false, 8}), (TPoint{36, 414}));
    EXPECT_EQ(CardFaceSource(ConcCard{true, false, false, 9}), (TPoint{72, 46}));
    EXPECT_EQ(CardFaceSource(ConcCard{false, false, false, 16}), (TPoint{108, 368}));
    for (int deck = 0; deck < kConcDecks; ++deck) EXPECT_EQ(CardBackSource(deck), (TPoint{36 * deck, 0}));
}

}  // namespace
