#pragma once
// The options panel: fourteen control boxes named by the characters of "12345678SMFXRC"
// (eight slots, then the S, M, F, X, R and C buttons), drawn from the sheet "ldsv_gfx". Its
// buttons only light while pressed: releasing one runs nothing. M and F show whether music
// and wave sound are on.
//
// Layout of the sheet: button n (1 to 14, in the order of the name characters) has its
// normal face at (40 (n - 1), 0), its pressed face at (40 (n - 1), 30) and its "off" face
// (M and F while that sound is off) at (40 (n - 1), 60), each 40 by 30; the slot frame is at
// (0, 90), 72 by 110, its picture inside at (4, 4); the mode panel at (80, 90) (mode off)
// and (80, 130) (mode on), 200 by 40. Pieces are drawn at their box's top-left; the mode
// panel at kModePanelAt.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "aux_gfx_room.h"
#include "disk_ops_room_words.h"
#include "foundation/geometry.h"

class THotImage;

class TDiskOpsRoom : public TAuxGfxRoom {
public:
    static constexpr TPoint kModePanelAt{16, 262};

    explicit TDiskOpsRoom(std::string_view name);
    ~TDiskOpsRoom() override;

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    void DrawPicture(TAC8ImageData& view) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    // 0 none, else 1 to 14 by the characters of kDiskOpsButtons.
    std::uint8_t PressedButton() const { return FPressedButton; }
    bool PressedInside() const { return FPressedInside; }
    bool FromTitle() const { return FFromTitle; }
    bool HasScratch() const { return FScratch != nullptr; }

private:
    void RefreshButtons();
    void EnableBox(char name, bool enabled);
    void ForgetPress();
    void DrawButton(TAC8ImageData& view, std::size_t index);
    void DrawPiece(TAC8ImageData& view, TPoint at, const TRect& piece);
    void FreePictures();

    std::unique_ptr<THotImage> FScratch;
    std::array<std::unique_ptr<THotImage>, kDiskOpsSlotCount> FSlots;
    bool FFromTitle = false;
    bool FMode = false;
    bool FModeDetail = false;
    bool FPressedInside = false;
    std::uint8_t FPressedButton = 0;
};
