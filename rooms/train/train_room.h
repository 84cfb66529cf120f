#pragma once
// The train table (kind word TRAIN, the room "TRAINS"): the child lays track pieces,
// switches and scenery from a palette of two pages on a table of 5 x 4 tiles, sets the two
// engines from the shelf onto the track, hooks their cars on and drives them with the speed
// knobs. Engines follow the track, flip spring switches, bounce back at ends of track and
// crash into each other; a crashed engine goes to the workshop, which mends it and sends it
// back to the shelf. The layout is kept in the saved game; SNAP hands a snapshot of the table
// to the album and WRAP gives the layout to the wrapping table as a present.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rooms/questions/train_engines.h"
#include "rooms/train/train_layout.h"
#include "shell/room.h"

class TTrainPictures;

class TTrainRoom : public TRoom, public TTrainEnginesForWorkshop, private TTrainLayoutEvents {
public:
    explicit TTrainRoom(std::string_view name);
    ~TTrainRoom() override;

    void ReadData(TStream& s) override;
    void WriteData(TStream& s) override;
    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    // What the workshop asks.
    std::uint8_t TerrainOfFirstCell() const override;
    int EngineInWorkshop() const override;
    void ReturnEngine(int engine) override;

    // The table emptied: plain ground on the bare table, the engines on the shelf (an engine
    // away in the workshop stays there), page 1 with the first cell picked.
    void ResetLayout();

    TTrainLayout& Layout() { return FLayout; }
    const TTrainLayout& Layout() const { return FLayout; }
    int Page() const { return FPage; }
    TPoint SelectedCell() const { return FSelected; }
    TPoint CursorTile() const { return FCursor; }
    bool LeverHover() const { return FLeverHover; }
    std::uint8_t SceneryItem(int page) const { return FScenery[page == 2 ? 1 : 0]; }
    int EngineBeingPlaced() const { return FPlacing; }

private:
    // Events of the layout model.
    void EraseEngine(int engine) override;
    void DrawEngine(int engine) override;
    void SpeedChanged(int engine) override;
    void Crashed(int engine) override;

    TTrainPictures& Pictures();
    // A shelf frame set (when the script has it) shows the frame, drawn while the room is on
    // screen; nothing happens when it shows the frame already.
    void ShowShelfFrame(std::string_view frameSet, std::int16_t frame);
    // Engine n and its car go to the shelf or the workshop together (TTrainLayout::SendTrain),
    // and the shelf shows where they are.
    void SendTrain(int engine, std::uint8_t state, bool offTable);
    // The mouse, at this point of the cursor tile, is on a switch's lever.
    bool LeverUnder(TPoint inTile) const;
    void UpdateBoxes();
    void UpdateRunningSound();
    void QueueAnimate(int engine);

    void SwitchPage();
    void EngineClicked(int engine);
    void Blink();
    void Whistle(int engine);
    void CarClicked(int engine);
    void KnobClicked(const std::string& sender);
    void Animate(int engine);
    void Wrap();
    void Snap();
    void CancelPlacing(bool removeEngine);
    void TakeOffLayout(int engine);

    bool PaletteEvent(TControlBox& box, TControlEventKind kind);
    bool LayoutEvent(TControlBox& box, TControlEventKind kind);

    void DrawPalette(TAC8ImageData& view);
    void DrawSceneryWell(TAC8ImageData& view);
    void DrawSelection(TAC8ImageData& view, std::uint8_t colour);
    void DrawCell(TAC8ImageData& view, std::int32_t x, std::int32_t y);
    // A tile drawn again, alone.
    void RedrawTile(std::int32_t x, std::int32_t y);
    void DrawEngineOn(TAC8ImageData& view, int engine);
    void RedrawPendingFlips();

    TTrainLayout FLayout;
    std::unique_ptr<TTrainPictures> FPictures;
    int FPage = 1;
    TPoint FSelected{0, 0};
    TPoint FCursor{-1, -1};
    bool FLeverHover = false;
    std::array<std::uint8_t, 2> FScenery{1, 2};
    int FPlacing = 0;
};
