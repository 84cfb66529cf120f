#include "work_table.h"

#include <array>

#include "engine/graphics/ac8_image_data.h"
#include "rooms/questions/card_table.h"
#include "rooms/questions/doll_parts.h"
#include "rooms/questions/puzzle_number.h"

namespace {

struct TPiece {
    TPoint At;
    TRect Source;
};

constexpr TPoint kPuzzleAt{12, 82};
constexpr TRect kNoPuzzle{0, 0, 65, 185};
constexpr TRect kPuzzleLoaded{65, 0, 130, 185};
constexpr TPoint kPuzzleBarAt{19, 233};
constexpr std::int32_t kPuzzleBarWidth = 4;

// Head 1..4, torso 1..4, arms 1..4, legs 1..4.
constexpr std::array<TPiece, 16> kDollParts{{
    {{339, 29}, {0, 0, 27, 28}},     {{178, 10}, {27, 0, 59, 35}},    {{74, 2}, {59, 0, 95, 34}},
    {{283, 73}, {95, 0, 125, 31}},   {{339, 115}, {0, 28, 24, 67}},   {{74, 61}, {24, 35, 61, 79}},
    {{284, 166}, {99, 31, 129, 72}}, {{127, 0}, {61, 34, 99, 75}},    {{128, 126}, {0, 79, 40, 102}},
    {{339, 75}, {40, 79, 77, 101}},  {{283, 23}, {77, 75, 118, 104}}, {{340, 187}, {0, 102, 29, 119}},
    {{233, 38}, {29, 102, 72, 120}}, {{283, 142}, {0, 120, 46, 138}}, {{127, 88}, {116, 116, 160, 135}},
    {{74, 145}, {72, 104, 116, 136}},
}};
// A chosen pair of legs also shows its feet in the doll's shoe box.
constexpr TPoint kShoesAt{200, 212};
constexpr std::int32_t kShoesLeft = 129;
constexpr std::int32_t kShoesRight = 186;
constexpr std::int32_t kShoesHeight = 29;

constexpr TPoint kCardGameAt{380, 60};
constexpr std::array<TPiece, kCardDecks> kDecks{{
    {{116, 116}, {0, 0, 12, 9}}, {{121, 125}, {12, 0, 33, 11}}, {{128, 112}, {33, 0, 54, 11}},
}};
constexpr std::array<TPiece, kCardFaces> kFaces{{
    {{33, 13}, {54, 0, 68, 16}},    {{122, 12}, {68, 0, 82, 16}},  {{66, 8}, {82, 0, 114, 29}},
    {{74, 66}, {114, 0, 132, 11}},  {{47, 7}, {9, 11, 16, 43}},    {{100, 14}, {52, 16, 58, 41}},
    {{54, 16}, {74, 16, 82, 39}},   {{115, 15}, {68, 16, 74, 40}}, {{108, 14}, {45, 11, 52, 36}},
    {{42, 40}, {16, 11, 27, 42}},   {{81, 41}, {114, 11, 124, 31}}, {{51, 40}, {124, 11, 131, 29}},
    {{95, 41}, {27, 11, 37, 37}},   {{58, 41}, {37, 11, 45, 37}},  {{106, 40}, {131, 11, 138, 29}},
    {{69, 39}, {58, 16, 68, 40}},   {{116, 40}, {0, 9, 9, 47}},
}};
constexpr std::int32_t kCardWidth = 12;
constexpr std::int32_t kCardHeight = 15;
constexpr std::array<std::int32_t, 2> kCardRowY{108, 128};
struct TDeckLayout {
    std::int32_t Start;
    std::int32_t Step;
    TPoint Faces;  // the face picture of the deck's first card in "wcardgfx"
    int FirstFace;
};
constexpr std::array<TDeckLayout, kCardDecks> kDeckLayouts{{
    {28, 18, {0, 15}, 0}, {21, 17, {0, 75}, 4}, {10, 13, {24, 15}, 9},
}};

TPoint Scrolled(TPoint at, std::int32_t scroll) { return {at.X - scroll, at.Y}; }
TPoint Offset(TPoint base, TPoint by) { return {base.X + by.X, base.Y + by.Y}; }

void DrawPuzzle(TAC8ImageData& view, const TRoomWorld& world, std::int32_t scroll, TAC8ImageData& sheet) {
    const int puzzle = CurrentPuzzleNumber(world);
    view.Blit(Scrolled(kPuzzleAt, scroll), sheet, puzzle == 0 ? kNoPuzzle : kPuzzleLoaded);
    const std::int32_t bar = puzzle == 2 ? 12 : puzzle == 3 ? 4 : 0;
    if (bar == 0) return;
    const TPoint at = Scrolled(kPuzzleBarAt, scroll);
    view.FillRect(TRect{at.X, at.Y, at.X + kPuzzleBarWidth, at.Y + bar}, kPuzzleBarColour);
}

void DrawDoll(TAC8ImageData& view, const TRoomWorld& world, std::int32_t scroll, TAC8ImageData& sheet) {
    const TDollPartChoices parts = CurrentDollParts(world);
    const std::array<std::uint8_t, 4> choices{parts.Head, parts.Torso, parts.Arms, parts.Legs};
    for (std::size_t part = 0; part < choices.size(); ++part) {
        const int choice = choices[part];
        if (choice < 1 || choice > 4) continue;
        const TPiece& piece = kDollParts[part * 4 + static_cast<std::size_t>(choice - 1)];
        view.Blit(Scrolled(piece.At, scroll), sheet, piece.Source);
    }
    if (parts.Legs >= 1 && parts.Legs <= 4) {
        const std::int32_t top = kShoesHeight * (parts.Legs - 1);
        view.Blit(Scrolled(kShoesAt, scroll), sheet, TRect{kShoesLeft, top, kShoesRight, top + kShoesHeight});
    }
}

void DrawCardGame(TAC8ImageData& view, const TRoomWorld& world, std::int32_t scroll, TAC8ImageData& sheet,
                  TAC8ImageData& cards) {
    const TCardTableView table = CardTable(world);
    const TPoint base = Scrolled(kCardGameAt, scroll);
    for (std::size_t deck = 0; deck < kDecks.size(); ++deck)
        if (!table.DeckTaken[deck]) view.Blit(Offset(base, kDecks[deck].At), sheet, kDecks[deck].Source);
    for (std::size_t face = 0; face < kFaces.size(); ++face)
        if (table.FaceLit[face]) view.Blit(Offset(base, kFaces[face].At), sheet, kFaces[face].Source);
    if (table.CardCount == 0 || table.CardCount > kMostCardsOnTable || table.CurrentDeck >= kCardDecks) return;
    const TDeckLayout& layout = kDeckLayouts[table.CurrentDeck];
    const int pairs = (table.CardCount + 1) / 2;
    for (int i = 1; i <= table.CardCount; ++i) {
        const TCardOnTable& card = table.Cards[static_cast<std::size_t>(i - 1)];
        if (card.Removed) continue;
        const int row = i <= pairs ? 0 : 1;
        const int column = row == 0 ? i : i - pairs;
        const TPoint at = Offset(base, {layout.Start + layout.Step * (column - 1), kCardRowY[std::size_t(row)]});
        TPoint picture{kCardWidth * table.CurrentDeck, 0};
        if (card.FaceUp) {
            // A deck's faces are counted from its own first one.
            const int k = card.Face >= layout.FirstFace && card.Face < kCardFaces ? card.Face - layout.FirstFace : 0;
            picture = {layout.Faces.X + (card.FirstOfPair ? 0 : kCardWidth), layout.Faces.Y + kCardHeight * k};
        }
        view.Blit(at, cards, TRect{picture.X, picture.Y, picture.X + kCardWidth, picture.Y + kCardHeight});
    }
}

}  // namespace

void DrawWorkTable(TAC8ImageData& view, const TRoomWorld& world, std::int32_t scroll,
                   const TWorkTablePictures& pictures) {
    if (pictures.Puzzle != nullptr) DrawPuzzle(view, world, scroll, *pictures.Puzzle);
    if (pictures.Doll != nullptr) DrawDoll(view, world, scroll, *pictures.Doll);
    if (pictures.CardGame != nullptr && pictures.Cards != nullptr)
        DrawCardGame(view, world, scroll, *pictures.CardGame, *pictures.Cards);
}
