#pragma once
// The slate room (kind word SLATE): a colouring page with stickers on the slate at (15, 15),
// a panel of four pages at the right (boxes "1" to "4" choose a page's backgrounds, "5" to
// "12" add its stickers), eight colour wells below with a brightness switch, and a strip of
// icons listing the stickers on the slate. A selected sticker can be dragged, mirrored (FLOP),
// halved (HALF), uncoloured (the eraser with Ctrl) or deleted (the eraser); with Shift the
// eraser clears the whole scene after asking. SNAP gives the album a copy; there is no WRAP.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/geometry.h"
#include "rooms/slate/slate_drawing.h"
#include "shell/room.h"

class THotImage;

class TSlateRoom : public TRoom {
public:
    explicit TSlateRoom(std::string_view name);
    ~TSlateRoom() override;

    void ReadData(TStream& s) override;
    void WriteData(TStream& s) override;
    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    void ResetSlate();
    void UpdateStickerButtons();
    void SelectIcon(int a);
    void SetPage(int a);
    bool ReleaseStickerButtons(int n);

    // The drawing, drawing from the world's library into the view while the room is shown.
    TSlateDrawing& Drawing();
    // False once the room has let its drawing go on the way out.
    bool HasDrawing() const { return FDrawing != nullptr; }

    bool Bright() const { return FBright; }
    int BackgroundButton() const { return FBackgroundButton; }
    int Page() const { return FPage; }
    int Colour() const { return FColour; }
    int StickerCount() const { return FStickerCount; }
    int SelectedIcon() const { return FSelectedIcon; }
    int HalfState() const { return FHalfState; }
    int MirrorState() const { return FMirrorState; }
    bool EraserEnabled() const { return FEraserEnabled; }
    bool Lit(int button) const { return button >= 1 && button <= 12 && FLit[static_cast<std::size_t>(button - 1)]; }
    const std::array<std::uint8_t, 15>& IconSlots() const { return FSlots; }
    // The palette index of well 1..8 in the row now chosen.
    std::uint8_t WellColour(int well) const;

private:
    void Erase();
    void PressStickerButton(int n);
    void ChooseBackground(int b);
    // A frame set the room's script may leave out, and a frame outside it, change nothing.
    void SetFrameIfAny(std::string_view frameSet, int frame);
    void DrawButton(TAC8ImageData& view, int n);
    void DrawWell(TAC8ImageData& view, int n);
    void DrawIcon(TAC8ImageData& view, int a);
    void RedrawButton(int n);
    void RedrawButtons();
    void RedrawWell(int n);
    void RedrawWells();
    void RedrawIcon(int a);
    void RedrawIcons();
    int SelectedSticker() const;
    void LoadPictures();

    std::unique_ptr<TSlateDrawing> FDrawing;
    std::unique_ptr<THotImage> FIcons;
    std::unique_ptr<THotImage> FWells;
    std::unique_ptr<THotImage> FFace;
    int FFacePage = 0;
    std::unique_ptr<THotImage> FButtonPicture;
    bool FBright = false;
    int FBackgroundButton = 1;
    int FPage = 1;
    int FColour = 1;
    int FStickerCount = 0;
    int FSelectedIcon = 0;
    int FHalfState = 0;
    int FMirrorState = 0;
    bool FEraserEnabled = false;
    TPoint FDragOffset;
    std::array<bool, 12> FLit{};
    std::array<std::uint8_t, 15> FSlots{};
};
