#include "rooms/cards/conc_room.h"

#include "engine/graphics/ac8_image_data.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/cards/conc_layout.h"
#include "rooms/cards/conc_room_words.h"
#include "rooms/cards/conc_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_world.h"
#include "shell/game_context.h"
#include "shell/room_words.h"

namespace {

using namespace conc_layout;
using namespace conc_room_words;

constexpr std::int32_t kDealDelay = 5;
constexpr std::int32_t kPairShownDelay = 10;
constexpr std::int32_t kMismatchShownDelay = 20;
constexpr std::int32_t kFirstShadowDelay = 5;
constexpr std::int32_t kShadowDelayOnEntry = 10;
constexpr std::int32_t kShadowsSound = 62;

// "D1".."D3" give 0..2, "C1".."C16" 1..16; anything else -1.
int NumberAfter(char letter, const std::string& sender, int first, int last) {
    if (sender.size() < 2 || sender.size() > 3 || sender[0] != letter) return -1;
    int n = 0;
    for (std::size_t i = 1; i < sender.size(); ++i) {
        if (sender[i] < '0' || sender[i] > '9') return -1;
        n = n * 10 + (sender[i] - '0');
    }
    if (sender.size() == 3 && sender[1] == '0') return -1;
    return n >= first && n <= last ? n : -1;
}

std::string CardBoxName(int card) { return kCardMark + std::to_string(card); }
std::string DeckBoxName(int deck) { return kDeckMark + std::to_string(deck + 1); }

}  // namespace

TConcRoom::TConcRoom(std::string_view name) : TRoom(name), FGame(std::make_unique<TConcentration>()) {
    Flags |= kRoomSnapEnabled | kRoomWrapEnabled;
    // The game itself is never saved; the room's record (the base's, empty) dates from version 6.
    FirstSaveVersion = 6;
}

TConcRoom::~TConcRoom() = default;

void TConcRoom::HoldPictures() {
    if (!FConcGfx) FConcGfx = TPictureHandle(Library(), "concgfx");
    if (!FCardGfx) FCardGfx = TPictureHandle(Library(), "cardgfx");
}

void TConcRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    UpdateCardBoxes();
    HoldPictures();
    // Dealing is not taken up again: whatever was on the table lies there dealt.
    FDealt = FGame->InPlay();
    FindFrameSetOrFail(FrameSets(), kShadows).Visible = FShadowsOn;
    if (FShadowsOn) AddTimer(TTimerCode::Animate, kShadowDelayOnEntry);
}

void TConcRoom::Leave() {
    RunScript("", std::string(kMatchTimer));
    // Settling the pair may have started the shadows (or left a match pending): nothing of
    // this visit may fire in the next room.
    RemoveTimer(TTimerCode::Animate);
    RemoveTimer(TTimerCode::Match);
    RemoveTimer(TTimerCode::Deal);
    TRoom::Leave();
}

void TConcRoom::RunScript(const std::string& script, const std::string& sender) {
    if (script == kDeckScript && NumberAfter(kDeckMark, sender, 1, kConcDecks) > 0) {
        RunDeck(NumberAfter(kDeckMark, sender, 1, kConcDecks) - 1);
    } else if (sender == kDealTimer) {
        if (FDealt < FGame->InPlay()) {
            ++FDealt;
            RedrawCard(FDealt);
        }
        if (FDealt < FGame->InPlay()) AddTimer(TTimerCode::Deal, kDealDelay);
    } else if (script == kCardScript && NumberAfter(kCardMark, sender, 1, kConcMostCards) > 0) {
        PickCard(NumberAfter(kCardMark, sender, 1, kConcMostCards));
    } else if (sender == kShadowsTimer) {
        if (FShadowsOn) {
            TFrameSet& shadows = FindFrameSetOrFail(FrameSets(), kShadows);
            ShowFrame(shadows, static_cast<std::int16_t>(shadows.CurrentFrame == 0 ? 1 : 0));
            AddTimer(TTimerCode::Animate, Random(8) + 3);
        }
    } else if (sender == kWrap) {
        if (WrapAsGift(World(), kCardGameGift, 0)) ResetGame();
    } else if (sender == kSnap) {
        HandSnapshotToAlbum(World(), std::make_unique<TConcInfo>(*FGame), kConcSnapshotKind);
        RunScript("", std::string(room_words::kSnapFlash));
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else if (sender != kMatchTimer) {
        TRoom::RunScript(script, sender);
    } else {
        SettlePair();
    }
}

void TConcRoom::RunDeck(int deck) {
    const bool wasShadows = FShadowsOn;
    if (FShadowsOn) SetShadows(false);
    // A pair still shown and a deal under way belong to the cards about to leave the table.
    RemoveTimer(TTimerCode::Match);
    RemoveTimer(TTimerCode::Deal);
    DropPicks();
    FGame->SetDeck(deck, !FGame->DeckTaken(deck), Context().RandomNumbers());
    const bool inPlay = FGame->InPlay() != 0;
    for (int d = 0; d < kConcDecks; ++d)
        FindNodeOrFail<THitBox>(HitBoxes(), DeckBoxName(d)).SetEnabled(!inPlay || d == FGame->CurrentDeck());
    UpdateCardBoxes();
    FDealt = 0;
    Redraw(wasShadows);
    if (inPlay) AddTimer(TTimerCode::Deal, kDealDelay);
}

void TConcRoom::PickCard(int card) {
    if (card > FGame->InPlay() || FGame->Card(card).Removed || FGame->Card(card).FaceUp) return;
    if (FFirstPick == 0) {
        FFirstPick = card;
        TurnCard(card, true);
    } else if (FSecondPick != 0) {
        RemoveTimer(TTimerCode::Match);
        SettlePair();
        FFirstPick = card;
        TurnCard(card, true);
    } else {
        FSecondPick = card;
        TurnCard(card, true);
        AddTimer(TTimerCode::Match, FGame->IsMatch(FFirstPick, FSecondPick) ? kPairShownDelay : kMismatchShownDelay);
    }
}

void TConcRoom::SettlePair() {
    if (FFirstPick == 0) return;
    if (FGame->IsMatch(FFirstPick, FSecondPick)) {
        const int first = FFirstPick;
        const int second = FSecondPick;
        FFirstPick = FSecondPick = 0;
        FGame->Remove(first);
        FGame->Remove(second);
        UpdateCardBoxes();
        if (FGame->AllRemoved()) {
            EnableDeckBoxes();
            bool allTaken = true;
            for (int d = 0; d < kConcDecks; ++d) allTaken = allTaken && FGame->DeckTaken(d);
            if (allTaken) {
                PlaySound(kShadowsSound);
                SetShadows(true);
                AddTimer(TTimerCode::Animate, kFirstShadowDelay);
            }
        }
        Redraw(FShadowsOn);
    } else {
        DropPicks();
    }
}

void TConcRoom::DropPicks() {
    const int first = FFirstPick;
    const int second = FSecondPick;
    FFirstPick = FSecondPick = 0;
    if (first != 0) TurnCard(first, false);
    if (second != 0) TurnCard(second, false);
}

void TConcRoom::TurnCard(int card, bool up) {
    if (card < 1 || card > kConcMostCards) return;
    FGame->SetFaceUp(card, up);
    RedrawCard(card);
    THitBox& box = FindNodeOrFail<THitBox>(HitBoxes(), CardBoxName(card));
    box.SetEnabled(!up && card <= FGame->InPlay() && !FGame->Card(card).Removed);
}

void TConcRoom::UpdateCardBoxes() {
    const int inPlay = FGame->InPlay();
    for (int card = 1; card <= kConcMostCards; ++card) {
        THitBox& box = FindNodeOrFail<THitBox>(HitBoxes(), CardBoxName(card));
        const bool enabled = card <= inPlay && !FGame->Card(card).Removed;
        box.SetEnabled(enabled);
        if (enabled) box.Rect = CardRect(FGame->CurrentDeck(), card);
    }
    if (GetWorld() != nullptr) World().RequestCursorRefresh();
}

void TConcRoom::EnableDeckBoxes() {
    for (int d = 0; d < kConcDecks; ++d) FindNodeOrFail<THitBox>(HitBoxes(), DeckBoxName(d)).SetEnabled(true);
}

void TConcRoom::SetShadows(bool on) {
    FShadowsOn = on;
    if (!on) RemoveTimer(TTimerCode::Animate);
    FindFrameSetOrFail(FrameSets(), kShadows).Visible = on;
}

void TConcRoom::ResetGame() {
    FDealt = 0;
    FFirstPick = FSecondPick = 0;
    SetShadows(false);
    FGame->Reset();
    UpdateCardBoxes();
    EnableDeckBoxes();
}

void TConcRoom::DrawOverlays(TAC8ImageData* view) {
    TRoom::DrawOverlays(view);
    if (view == nullptr || !FConcGfx || !FCardGfx) return;
    if (!FShadowsOn)
        for (int face = 0; face < kConcFaces; ++face) {
            const TFacePlace& place = kFaces[static_cast<std::size_t>(face)];
            view->Blit(place.At, *FConcGfx, FGame->FaceShown(face) ? place.Lit : place.Unlit);
        }
    for (int d = 0; d < kConcDecks; ++d) {
        const TDeckPlace& place = kDecks[static_cast<std::size_t>(d)];
        view->Blit(place.At, *FConcGfx, FGame->DeckTaken(d) ? place.Taken : place.OnShelf);
    }
    view->Blit(kTableAt, *FConcGfx, kTableSource);
    for (int card = 1; card <= FGame->InPlay(); ++card) DrawCard(*view, card);
}

void TConcRoom::DrawCard(TAC8ImageData& view, int card) const {
    if (card < 1 || card > FGame->InPlay() || card > FDealt || !FConcGfx || !FCardGfx) return;
    const TRect rect = CardRect(FGame->CurrentDeck(), card);
    const ConcCard& c = FGame->Card(card);
    if (c.Removed) {
        // The table as it lies under the card.
        const TRect under{kTableSource.Left + rect.Left - kTableAt.X, kTableSource.Top + rect.Top - kTableAt.Y,
                          kTableSource.Left + rect.Right - kTableAt.X, kTableSource.Top + rect.Bottom - kTableAt.Y};
        view.Blit(TPoint{rect.Left, rect.Top}, *FConcGfx, under);
        return;
    }
    const TPoint source = c.FaceUp ? CardFaceSource(c) : CardBackSource(FGame->CurrentDeck());
    view.Blit(TPoint{rect.Left, rect.Top}, *FCardGfx,
              TRect{source.X, source.Y, source.X + kCardWidth, source.Y + kCardHeight});
}

void TConcRoom::RedrawCard(int card) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr || card < 1 || card > FGame->InPlay()) return;
    DrawCard(*view, card);
}

void TConcRoom::Redraw(bool whole) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr) return;
    if (whole)
        Draw(view);
    else
        RedrawOverlaysRect(view, view->GetBounds());
}

void TConcRoom::ReleaseGraphics(bool final) {
    FConcGfx.Reset();
    FCardGfx.Reset();
    // Taken down: the game goes with the room (it is never saved).
    if (final) FGame.reset();
    TRoom::ReleaseGraphics(final);
}

TCardTableView TConcRoom::CardTable() const {
    TCardTableView view;
    if (!FGame) return view;
    for (int d = 0; d < kConcDecks; ++d) view.DeckTaken[static_cast<std::size_t>(d)] = FGame->DeckTaken(d);
    view.CardCount = static_cast<std::uint8_t>(FGame->CardCount());
    for (int i = 1; i <= kConcMostCards; ++i) {
        const ConcCard& c = FGame->Card(i);
        view.Cards[static_cast<std::size_t>(i - 1)] = TCardOnTable{c.FirstOfPair, c.FaceUp, c.Removed, c.Face};
    }
    view.CurrentDeck = static_cast<std::uint8_t>(FGame->CurrentDeck());
    for (int face = 0; face < kConcFaces; ++face) view.FaceLit[static_cast<std::size_t>(face)] = FGame->FaceShown(face);
    return view;
}
