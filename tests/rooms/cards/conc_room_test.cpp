// The card room played through the headless game over the built content: dealing, turning,
// pairs and mismatches with their timers, putting decks back, the shadow play, leaving with
// cards turned, the help pages, the camera and the present.
#include "tests/rooms/cards/card_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/cards/conc_layout.h"
#include "rooms/questions/card_table.h"
#include "rooms/questions/gift_table.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/room.h"
#include "shell/timer_codes.h"
#include "shell/world.h"

namespace card_tests {
namespace {

using namespace conc_layout;

// The sheet's pixel in the middle of a rectangle.
std::uint8_t SheetPixel(TAC8Library& library, const char* sheet, const TRect& rect) {
    THotImage picture(sheet, false, &library);
    return picture.Image().GetPixel(TPoint{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
}

std::uint8_t ViewAt(testing_support::TGameHarness& game, TPoint at, const TRect& piece) {
    return game.ViewPixel(at.X + RectWidth(piece) / 2, at.Y + RectHeight(piece) / 2);
}

using CardPlay = CardGame;

TEST_F(CardPlay, ADeckIsDealtOneCardEveryFiveTicksAndOnlyItsOwnBoxStaysOpen) {
    EnterCards();
    for (int card = 1; card <= kConcMostCards; ++card) EXPECT_FALSE(Enabled("C" + std::to_string(card)));
    Game->Click("D2");
    EXPECT_TRUE(Cards().DeckTaken(1));
    EXPECT_EQ(Cards().InPlay(), 10);
    EXPECT_FALSE(Enabled("D1"));
    EXPECT_TRUE(Enabled("D2"));
    EXPECT_FALSE(Enabled("D3"));
    for (int card = 1; card <= kConcMostCards; ++card) EXPECT_EQ(Enabled("C" + std::to_string(card)), card <= 10);
    EXPECT_EQ(Room().FindHitBox("C7")->Rect, CardRect(1, 7));
    EXPECT_EQ(Room().Dealt(), 0);
    // A timer fires on the tick after its delay.
    Game->Tick(5);
    EXPECT_EQ(Room().Dealt(), 0);
    Game->Tick(1);
    EXPECT_EQ(Room().Dealt(), 1);
    // The dealt card shows its deck's back; the next place is still bare table.
    TAC8Library& library = *Game->World().GetImageLibrary();
    const TPoint back = CardBackSource(1);
    const TRect first = CardRect(1, 1);
    EXPECT_EQ(Game->ViewPixel(first.Left + 18, first.Top + 23),
              SheetPixel(library, "cardgfx", TRect{back.X, back.Y, back.X + 36, back.Y + 46}));
    Game->Tick(44);
    EXPECT_EQ(Room().Dealt(), 9);
    Game->Tick(1);
    EXPECT_EQ(Room().Dealt(), 10);
    EXPECT_EQ(Room().FindTimer(TTimerCode::Deal), nullptr) << "dealing stops with the last card";
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, APairFoundLeavesTheTableAfterTenTicksAndTheFinishedDeckLightsItsFaces) {
    EnterCards();
    NewSounds();
    DealDeck(0);
    TAC8Library& library = *Game->World().GetImageLibrary();
    const TFacePlace& bell = kFaces[0];
    EXPECT_EQ(ViewAt(*Game, bell.At, bell.Unlit), SheetPixel(library, "concgfx", bell.Unlit));

    const auto [a, b] = CardsOf(0);
    ClickCard(a);
    EXPECT_TRUE(Cards().Card(a).FaceUp);
    EXPECT_FALSE(Enabled("C" + std::to_string(a))) << "a face-up card cannot be clicked";
    ClickCard(b);
    EXPECT_EQ(Room().SecondPick(), b);
    const TRect shown = CardRect(0, b);
    const TPoint face = CardFaceSource(Cards().Card(b));
    EXPECT_EQ(Game->ViewPixel(shown.Left + 18, shown.Top + 23),
              SheetPixel(library, "cardgfx", TRect{face.X, face.Y, face.X + 36, face.Y + 46}));
    Game->Tick(10);
    EXPECT_FALSE(Cards().Card(a).Removed);
    Game->Tick(1);
    EXPECT_TRUE(Cards().Card(a).Removed);
    EXPECT_TRUE(Cards().Card(b).Removed);
    EXPECT_EQ(Room().FirstPick(), 0);
    EXPECT_FALSE(Enabled("C" + std::to_string(a)));
    EXPECT_EQ(Game->ViewPixel(shown.Left + 18, shown.Top + 23),
              SheetPixel(library, "concgfx",
                         TRect{kTableSource.Left + shown.Left - kTableAt.X, kTableSource.Top + shown.Top - kTableAt.Y,
                               kTableSource.Left + shown.Left - kTableAt.X + 36, kTableSource.Top + shown.Top - kTableAt.Y + 46}))
        << "the table shows again where the card lay";
    EXPECT_EQ(ViewAt(*Game, bell.At, bell.Lit), SheetPixel(library, "concgfx", bell.Lit)) << "the bell's pair is found";

    FinishDeck();
    EXPECT_EQ(Cards().InPlay(), 0);
    for (int face = 0; face < kConcFaces; ++face) EXPECT_EQ(Cards().FaceShown(face), face < 4);
    for (const char* deck : {"D1", "D2", "D3"}) EXPECT_TRUE(Enabled(deck)) << deck;
    const TFacePlace& star = kFaces[1];
    EXPECT_EQ(ViewAt(*Game, star.At, star.Lit), SheetPixel(library, "concgfx", star.Lit));
    EXPECT_FALSE(Room().ShadowsOn());
    EXPECT_TRUE(NewSounds().empty()) << "one finished deck plays nothing";

    // Clicking the finished deck puts it back on the shelf, and its faces go dark.
    Game->Click("D1");
    EXPECT_FALSE(Cards().DeckTaken(0));
    EXPECT_EQ(ViewAt(*Game, star.At, star.Unlit), SheetPixel(library, "concgfx", star.Unlit));
    EXPECT_EQ(Room().FindTimer(TTimerCode::Deal), nullptr);
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, AMismatchTurnsBackAfterTwentyTicksAndAThirdClickSettlesThePairFirst) {
    EnterCards();
    DealDeck(2);
    const int a = CardsOf(9).first;
    const int b = OtherThan(a);
    ClickCard(a);
    ClickCard(b);
    Game->Tick(20);
    EXPECT_TRUE(Cards().Card(a).FaceUp);
    EXPECT_TRUE(Cards().Card(b).FaceUp);
    Game->Tick(1);
    EXPECT_FALSE(Cards().Card(a).FaceUp);
    EXPECT_FALSE(Cards().Card(b).FaceUp);
    EXPECT_TRUE(Enabled("C" + std::to_string(a)));
    EXPECT_TRUE(Enabled("C" + std::to_string(b)));
    EXPECT_EQ(Room().FirstPick(), 0);

    // Two cards shown, a third click: the mismatch goes down at once and the third is the new
    // first pick; the old timer is gone.
    ClickCard(a);
    ClickCard(b);
    const int c = CardsOf(Cards().Card(b).Face == 10 ? 11 : 10).first;
    ClickCard(c);
    EXPECT_FALSE(Cards().Card(a).FaceUp);
    EXPECT_FALSE(Cards().Card(b).FaceUp);
    EXPECT_TRUE(Cards().Card(c).FaceUp);
    EXPECT_EQ(Room().FirstPick(), c);
    EXPECT_EQ(Room().SecondPick(), 0);
    EXPECT_EQ(Room().FindTimer(TTimerCode::Match), nullptr);
    Game->Tick(30);
    EXPECT_TRUE(Cards().Card(c).FaceUp) << "a single pick waits for its partner";

    // A third click while a pair is shown takes the pair off first.
    const auto [p, q] = CardsOf(12);
    Room().RunScript("", "MATCH");  // the lone pick goes down
    ClickCard(p);
    ClickCard(q);
    ClickCard(c);
    EXPECT_TRUE(Cards().Card(p).Removed);
    EXPECT_TRUE(Cards().Card(q).Removed);
    EXPECT_EQ(Room().FirstPick(), c);
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, PuttingADeckBackWithCardsTurnedStopsItsTimersAndTurnsThemDown) {
    EnterCards();
    Game->Click("D1");
    Game->Tick(11);
    ASSERT_EQ(Room().Dealt(), 2) << "the deal is under way";
    ClickCard(1);
    ClickCard(OtherThan(1));
    ASSERT_NE(Room().FindTimer(TTimerCode::Match), nullptr);
    Game->Click("D1");
    EXPECT_FALSE(Cards().DeckTaken(0));
    EXPECT_EQ(Cards().InPlay(), 0);
    EXPECT_EQ(Room().FirstPick(), 0);
    EXPECT_EQ(Room().SecondPick(), 0);
    for (int i = 1; i <= 8; ++i) EXPECT_FALSE(Cards().Card(i).FaceUp) << i;
    EXPECT_EQ(Room().FindTimer(TTimerCode::Match), nullptr);
    EXPECT_EQ(Room().FindTimer(TTimerCode::Deal), nullptr);
    for (const char* deck : {"D1", "D2", "D3"}) EXPECT_TRUE(Enabled(deck));
    for (int card = 1; card <= kConcMostCards; ++card) EXPECT_FALSE(Enabled("C" + std::to_string(card)));
    Game->Tick(30);
    EXPECT_EQ(Shown(), "") << "no timer of the old deck fires";

    // A match word with nothing picked changes nothing.
    DealDeck(1);
    Room().RunScript("", "MATCH");
    EXPECT_EQ(Cards().InPlay(), 10);
    EXPECT_TRUE(Cards().AllRemoved() == false);
}

TEST_F(CardPlay, AllThreeDecksFinishedStartTheShadowPlayWithItsSoundOnce) {
    EnterCards();
    NewSounds();
    DealDeck(0);
    FinishDeck();
    DealDeck(1);
    FinishDeck();
    DealDeck(2);
    FinishDeck();
    EXPECT_TRUE(Room().ShadowsOn());
    EXPECT_EQ(NewSounds(), std::vector<int>{Wave(62)});
    TFrameSet& shadows = FindFrameSetOrFail(Room().FrameSets(), "SHADOWS");
    EXPECT_TRUE(shadows.Visible);
    // The toys' pictures give way to the shadows.
    TAC8Library& library = *Game->World().GetImageLibrary();
    const TFacePlace& wreath = kFaces[2];
    EXPECT_NE(ViewAt(*Game, TPoint{wreath.At.X, wreath.At.Y + 6}, wreath.Lit),
              SheetPixel(library, "concgfx", TRect{wreath.Lit.Left, wreath.Lit.Top + 12, wreath.Lit.Right, wreath.Lit.Bottom}));
    const std::int16_t before = shadows.CurrentFrame;
    Game->Tick(6);
    EXPECT_NE(shadows.CurrentFrame, before) << "the shadows dance";
    ASSERT_NE(Room().FindTimer(TTimerCode::Animate), nullptr);
    int changes = 0;
    std::int16_t last = shadows.CurrentFrame;
    for (int i = 0; i < 60; ++i) {
        Game->Tick();
        if (shadows.CurrentFrame != last) ++changes;
        last = shadows.CurrentFrame;
    }
    EXPECT_GE(changes, 5);
    EXPECT_LE(changes, 20) << "every 3 to 10 ticks";

    // Leaving and coming back: still dancing, from 10 ticks after entry.
    Game->World().GoRoom("TITLE");
    Game->Tick();
    Game->World().GoRoom("CONC");
    Game->Tick();
    EXPECT_TRUE(shadows.Visible);
    EXPECT_NE(Room().FindTimer(TTimerCode::Animate), nullptr);

    // The next deck clicked ends the show.
    Game->Click("D2");
    EXPECT_FALSE(Room().ShadowsOn());
    EXPECT_FALSE(shadows.Visible);
    EXPECT_EQ(Room().FindTimer(TTimerCode::Animate), nullptr);
    EXPECT_FALSE(Cards().DeckTaken(1));
    EXPECT_TRUE(NewSounds().empty());
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, LeavingWithTwoCardsTurnedSettlesThemAndLeavesNoTimerBehind) {
    EnterCards();
    DealDeck(0);
    // All pairs but one found, then the last pair turned and the room left: the pair is taken
    // away, which finishes the deck.
    const auto [a, b] = CardsOf(3);
    for (int face = 0; face < 3; ++face) {
        const auto [x, y] = CardsOf(face);
        ClickCard(x);
        ClickCard(y);
        Game->Tick(11);
    }
    ClickCard(a);
    ClickCard(b);
    Game->World().GoRoom("TITLE");
    Game->Tick();
    EXPECT_EQ(Cards().InPlay(), 0);
    EXPECT_TRUE(Cards().FaceShown(3));
    EXPECT_EQ(Room().FirstPick(), 0);
    EXPECT_TRUE(Room().Timers().CachedCount() == 0);

    // A mismatch turned when leaving goes face down.
    Game->World().GoRoom("CONC");
    Game->Tick();
    DealDeck(1);
    ClickCard(1);
    ClickCard(OtherThan(1));
    Game->World().GoRoom("TITLE");
    Game->Tick();
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(Cards().Card(i).FaceUp);
    // Back in the room every card lies dealt at once.
    Game->World().GoRoom("CONC");
    Game->Tick();
    EXPECT_EQ(Room().Dealt(), 10);
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, TheLastPairFoundByLeavingStartsNoShadowsInTheNextRoom) {
    EnterCards();
    DealDeck(0);
    FinishDeck();
    DealDeck(1);
    FinishDeck();
    DealDeck(2);
    const auto [a, b] = CardsOf(16);
    for (int face = 9; face < 16; ++face) {
        const auto [x, y] = CardsOf(face);
        ClickCard(x);
        ClickCard(y);
        Game->Tick(11);
    }
    ClickCard(a);
    ClickCard(b);
    Game->World().GoRoom("TITLE");
    Game->Tick(20);
    EXPECT_TRUE(Room().ShadowsOn());
    EXPECT_EQ(Room().FindTimer(TTimerCode::Animate), nullptr);
    EXPECT_EQ(Game->RoomName(), "TITLE");
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, TheWorkshopSeesTheCardTableAndTheTutorButtonOpensTheHelpPages) {
    EnterCards();
    DealDeck(1);
    ClickCard(3);
    const TCardTableView view = CardTable(Game->World());
    EXPECT_TRUE(view.DeckTaken[1]);
    EXPECT_EQ(view.CardCount, 10);
    EXPECT_EQ(view.CurrentDeck, 1);
    EXPECT_TRUE(view.Cards[2].FaceUp);
    EXPECT_EQ(view.Cards[2].Face, Cards().Card(3).Face);
    EXPECT_FALSE(view.FaceLit[4]);

    Game->PressTutor();
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "CMTEXT>");
    Game->Click("NEXT");
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "CM2<");
    EXPECT_EQ(Shown(), "");
}

TEST_F(CardPlay, TheGameLastsUntilTheRoomIsTakenDown) {
    EnterCards();
    DealDeck(1);
    Game->World().GoRoom("BED");
    EXPECT_TRUE(CardTable(Game->World()).DeckTaken[1]) << "leaving keeps the game";
    Room().ReleaseGraphics(true);
    const TCardTableView table = CardTable(Game->World());
    EXPECT_FALSE(table.DeckTaken[1]);
    EXPECT_EQ(table.CardCount, 0);
}

TEST_F(CardPlay, WrappingPutsTheCardGameOnTheWrappingTableAndStartsItOver) {
    EnterCards();
    DealDeck(0);
    FinishDeck();
    DealDeck(2);
    ClickCard(1);
    Game->PressAction(2);
    Game->Tick();
    ASSERT_EQ(Game->RoomName(), "WRAP");
    const TGift* gift = Game->RoomAs<TWrapRoom>("WRAP").Gift();
    ASSERT_NE(gift, nullptr);
    EXPECT_EQ(gift->Kind, kCardGameGift);
    EXPECT_EQ(gift->Detail, 0);
    for (int deck = 0; deck < kConcDecks; ++deck) EXPECT_FALSE(Cards().DeckTaken(deck));
    EXPECT_EQ(Cards().InPlay(), 0);
    EXPECT_EQ(Room().FirstPick(), 0);
    Game->World().GoRoom("CONC");
    Game->Tick();
    for (const char* deck : {"D1", "D2", "D3"}) EXPECT_TRUE(Enabled(deck));
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace card_tests
