#pragma once
// The card-matching room (kind word CONC): three decks on the shelf ("D1" to "D3"), the table
// with up to 16 cards ("C1" to "C16"), the 17 pictures of the room that light up as their
// decks are finished, and the shadow play ("SHADOWS") once all three are. The workshop's work
// table shows the game as this room answers it.
#include <memory>
#include <string>
#include <string_view>

#include "engine/graphics/picture_handles.h"
#include "rooms/cards/concentration.h"
#include "rooms/questions/card_table.h"
#include "shell/room.h"

class TConcRoom : public TRoom, public TCardTableAnswer {
public:
    explicit TConcRoom(std::string_view name);
    ~TConcRoom() override;

    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    TCardTableView CardTable() const override;

    const TConcentration& Game() const { return *FGame; }
    int Dealt() const { return FDealt; }
    int FirstPick() const { return FFirstPick; }
    int SecondPick() const { return FSecondPick; }
    bool ShadowsOn() const { return FShadowsOn; }

private:
    void RunDeck(int deck);
    void PickCard(int card);
    void SettlePair();
    void TurnCard(int card, bool up);
    void DropPicks();
    void UpdateCardBoxes();
    void EnableDeckBoxes();
    void SetShadows(bool on);
    void ResetGame();
    void DrawCard(TAC8ImageData& view, int card) const;
    void RedrawCard(int card);
    // Everything (background up) or the overlays alone, while the room is on screen.
    void Redraw(bool whole);
    void HoldPictures();

    std::unique_ptr<TConcentration> FGame;
    int FDealt = 0;
    int FFirstPick = 0;
    int FSecondPick = 0;
    bool FShadowsOn = false;
    TPictureHandle FConcGfx;
    TPictureHandle FCardGfx;
};
