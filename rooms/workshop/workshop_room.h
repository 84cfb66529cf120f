#pragma once
// The workshop: a wide room whose shelves hold broken toys, whose four drawers hold the tools
// that mend them, and whose work table shows how the puzzle, the doll and the card game stand.
// The child opens a drawer, takes a tool (the pointer becomes the tool) and clicks a toy: the
// right tool mends it and it plays, a wrong one makes it complain. Some toys belong to other
// rooms (the jukebox, the radio, the clock, the slate toy, the train's two engines), and those
// rooms ask whether theirs still waits here. Nothing of it is saved: the shelves are filled
// again at random in every run.
#include <array>
#include <cstdint>
#include <memory>

#include "rooms/questions/toys_in_repair.h"
#include "shell/aux_gfx_room.h"

class THotImage;

inline constexpr int kWorkshopToys = 11;
inline constexpr int kShelfPlaces = 5;
inline constexpr int kWorkshopTools = 4;

class TWorkshopRoom : public TWideRoom, public TToysInRepair {
public:
    explicit TWorkshopRoom(std::string_view name);
    ~TWorkshopRoom() override;

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;
    // The box refresh: the scroll ends, the tool boxes, the way back with a tool, and the
    // doors to rooms of the house that are not there yet.
    void UpdateScrollButtons() override;

    bool ToyWaitingBroken(int toy) const override;

    // --- What the tests and the preview read ---
    bool ToysInitialised() const { return FToysInitialised; }
    // The toy standing on place 1..5, 0 for none.
    int ShelfToy(int place) const;
    bool ToyRepaired(int toy) const;
    bool ToyWindingDown(int toy) const;
    // 0 when no tool is held.
    int HeldTool() const { return FHeldTool; }
    int PlayingToy() const { return FPlayingToy; }
    int ComplainingToy() const { return FComplainingToy; }
    bool DrawerHinted(int tool) const;

    // Fixed values of each toy.
    static int ToolOf(int toy);
    static int PlaceOf(int toy);
    static std::int16_t FrameLimitOf(int toy);

private:
    struct TToy {
        TFrameSet* FrameSet = nullptr;
        TControlBox* Box = nullptr;
        bool Repaired = false;
        bool WindingDown = false;
    };

    TToy& Toy(int toy) { return FToys[static_cast<std::size_t>(toy - 1)]; }
    const TToy& Toy(int toy) const { return FToys[static_cast<std::size_t>(toy - 1)]; }
    int ToyOfBox(const THitBox& box) const;

    void InitialiseToys();
    void FillShelves();
    void PutToyOnShelf(int toy, int place);
    void TakeToyAway(int toy);
    void ToyClicked(int toy);
    void SetToyRunning(int toy);
    void SetToyWindingDown(int toy);
    void AnimateToy(int toy);
    void PutToolBack();
    void ToggleDrawer(int drawer);
    void TakeTool(int tool);
    void HintTool(int tool, bool inside);
    void ShowToyFrame(int toy, std::int16_t frame);
    void RedrawDrawerHint(int tool);
    void DrawDrawerHint(TAC8ImageData& view, int tool) const;
    void CreateHeldPictures();

    std::array<TToy, kWorkshopToys> FToys{};
    std::array<std::uint8_t, kShelfPlaces> FShelf{};
    std::array<bool, kWorkshopTools> FDrawerHint{};
    int FHeldTool = 0;
    int FPlayingToy = 0;
    int FComplainingToy = 0;
    bool FToysInitialised = false;
    std::unique_ptr<THotImage> FPuzzlePicture;
    std::unique_ptr<THotImage> FDollPicture;
    std::unique_ptr<THotImage> FCardGamePicture;
    std::unique_ptr<THotImage> FCardPicture;
};
