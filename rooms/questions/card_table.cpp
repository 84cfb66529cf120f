#include "rooms/questions/card_table.h"

#include "shell/room.h"
#include "shell/room_world.h"

TCardTableView CardTable(const TRoomWorld& world) {
    const auto* cards = dynamic_cast<const TCardTableAnswer*>(world.FindRoom("CONC"));
    if (cards == nullptr) return {};
    TCardTableView view = cards->CardTable();
    // The work table indexes its pictures with these; keep them inside their tables.
    if (view.CardCount > kMostCardsOnTable) view.CardCount = 0;
    if (view.CurrentDeck >= kCardDecks) view.CurrentDeck = 0;
    for (auto& card : view.Cards)
        if (card.Face >= kCardFaces) card.Face = 0;
    return view;
}
