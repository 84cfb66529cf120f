#pragma once
// The picture-cube puzzle room (kind word PUZZLE): the machine in the middle holds one of the
// three puzzles (2 x 2, 3 x 3 and 4 x 4 cubes), the other two wait on the shelves at the sides
// ("LPUZ", "RPUZ" swap them onto the machine). The cubes ("11" to "44", column then row) turn
// on a click; the knob ("FCLS" open, "TCLS" closed) closes the frame around them; the lever
// scrambles the puzzle while its tune plays. Each visit starts with the machine's cover down
// ("DOWN" lifts it). The puzzles live as long as the room and are scrambled anew at each start:
// the room writes no record in the saved game.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rooms/puzzle/puzzle.h"
#include "rooms/questions/puzzle_number.h"
#include "shell/aux_gfx_room.h"

class TPuzzleRoom : public TAuxGfxRoom, public TCurrentPuzzleAnswer {
public:
    explicit TPuzzleRoom(std::string_view name);
    ~TPuzzleRoom() override;

    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    int CurrentPuzzleNumber() const override { return FMachine - 1; }

    TPuzzle& Puzzle(int size) { return *FPuzzles.at(static_cast<std::size_t>(size - 2)); }
    TPuzzle& Current() { return Puzzle(FMachine); }
    int LeftShelf() const { return FLeftShelf; }
    int RightShelf() const { return FRightShelf; }
    int Machine() const { return FMachine; }
    bool Covered() const { return FCovered; }
    bool CoverLock() const { return FCoverLock; }
    bool Scrambling() const { return FScrambling; }

protected:
    // Every puzzle is scrambled once the room is in a game.
    void WorldTaken() override;

private:
    void RefreshBoxes();
    void UpdateKnobs();
    void DrawWhole();
    void RedrawBlock(int c, int r);
    void StopScrambling();
    void Swap(bool left);

    std::array<std::unique_ptr<TPuzzle>, 3> FPuzzles;
    std::uint8_t FLeftShelf = 3;
    std::uint8_t FRightShelf = 4;
    std::uint8_t FMachine = 2;
    bool FCoverLock = false;
    bool FCovered = true;
    bool FScrambling = false;
};
