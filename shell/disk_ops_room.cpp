#include "disk_ops_room.h"

#include <array>
#include <string_view>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "engine/sound/midi_player.h"
#include "engine/sound/wave_man.h"
#include "game_services.h"
#include "room_world.h"

using namespace disk_ops_words;

namespace {
constexpr std::uint8_t kPanelColour = 208;
constexpr std::int32_t kButtonWidth = 40;
constexpr std::int32_t kButtonHeight = 30;
constexpr TRect kSlotFrame{0, 90, 72, 200};
constexpr TPoint kSlotPictureInset{4, 4};
constexpr std::int32_t kScratchWidth = 64;
constexpr std::int32_t kScratchHeight = 102;
// The buttons on the screen, drawn in this order; C has no place there.
constexpr std::array<char, 5> kDrawnButtons{kSaveButton, kMusicButton, kSoundsButton, kLeaveButton, kRestoreButton};

// A plain loop: the sanitizer builds cannot evaluate string_view's find at compile time.
constexpr std::size_t ButtonIndex(char name) {
    for (std::size_t index = 0; index < kDiskOpsButtonCount; ++index)
        if (kDiskOpsButtons[index] == name) return index;
    return std::string_view::npos;
}

constexpr bool EveryDrawnButtonIsABox() {
    for (char name : kDrawnButtons)
        if (ButtonIndex(name) == std::string_view::npos) return false;
    return true;
}
static_assert(EveryDrawnButtonIsABox(), "a drawn button needs a face on the sheet");

TRect ButtonFace(std::size_t index, std::int32_t row) {
    return MakeBounds(std::int32_t(index) * kButtonWidth, row * kButtonHeight, kButtonWidth, kButtonHeight);
}
}  // namespace

TDiskOpsRoom::TDiskOpsRoom(std::string_view name) : TAuxGfxRoom(name) {
    SetAuxImageName("ldsv_gfx");
    // The panel keeps nothing in the saved game.
    FirstSaveVersion = 0x7FFF;
}

TDiskOpsRoom::~TDiskOpsRoom() = default;

void TDiskOpsRoom::Enter(const std::string& fromRoom) {
    TAuxGfxRoom::Enter(fromRoom);
    FScratch = THotImage::CreateBlank(kScratchWidth, kScratchHeight, &Library());
    FMode = false;
    FModeDetail = false;
    FPressedInside = false;
    FPressedButton = 0;
    FFromTitle = fromRoom == kTitleRoom;
    RefreshButtons();
}

void TDiskOpsRoom::EnableBox(char name, bool enabled) {
    if (THitBox* box = FindHitBox(std::string(1, name))) box->SetEnabled(enabled);
}

// The slots stay disabled: nothing ever fills them.
void TDiskOpsRoom::RefreshButtons() {
    for (std::size_t slot = 0; slot < kDiskOpsSlotCount; ++slot)
        EnableBox(kDiskOpsButtons[slot], FSlots[slot] != nullptr);
    EnableBox(kCancelButton, FMode);
    EnableBox(kSaveButton, !FMode);
    const TGameServices& services = GameServices();
    EnableBox(kMusicButton, services.Songs != nullptr && services.Songs->HasDevice());
    EnableBox(kSoundsButton, services.Waves != nullptr && services.Waves->HasDevice());
}

void TDiskOpsRoom::RunScript(const std::string&, const std::string&) {}

void TDiskOpsRoom::ForgetPress() {
    const std::uint8_t pressed = FPressedButton;
    FPressedButton = 0;
    FPressedInside = false;
    TAC8ImageData* view = World().GetViewImage();
    if (pressed != 0 && view != nullptr && AuxImage() != nullptr) DrawButton(*view, pressed - 1u);
}

bool TDiskOpsRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    bool keep = false;
    TAC8ImageData* view = World().GetViewImage();
    const bool canDraw = view != nullptr && AuxImage() != nullptr;
    switch (kind) {
        case TControlEventKind::Down: {
            ForgetPress();
            const std::string& name = box.GetID();
            const std::size_t index = name.size() == 1 ? ButtonIndex(name[0]) : std::string_view::npos;
            if (index != std::string_view::npos) {
                FPressedButton = static_cast<std::uint8_t>(index + 1);
                FPressedInside = true;
                if (canDraw) DrawButton(*view, index);
                keep = true;
            }
            break;
        }
        case TControlEventKind::Drag:
            keep = true;
            if (FPressedButton != 0 && box.PointInside() != FPressedInside) {
                FPressedInside = box.PointInside();
                if (canDraw) DrawButton(*view, FPressedButton - 1u);
            }
            break;
        case TControlEventKind::Up:
            ForgetPress();
            if (box.PointInside()) RunScript(box.GetScript(), box.GetID());
            break;
        case TControlEventKind::Tick:
            return true;
        case TControlEventKind::Enter:
            break;
    }
    RefreshButtons();
    return keep;
}

// Never blanked: the room answers no script, the camera flash's included.
void TDiskOpsRoom::DrawPicture(TAC8ImageData& view) {
    view.FillRect(view.GetBounds(), kPanelColour);
    DrawOverlays(&view);
}

void TDiskOpsRoom::DrawPiece(TAC8ImageData& view, TPoint at, const TRect& piece) {
    if (TAC8ImageData* sheet = AuxImage()) view.Blit(at, *sheet, piece);
}

void TDiskOpsRoom::DrawButton(TAC8ImageData& view, std::size_t index) {
    const THitBox* box = FindHitBox(std::string(1, kDiskOpsButtons[index]));
    if (box == nullptr) return;
    std::int32_t row = 0;
    const TGameServices& services = GameServices();
    if (kDiskOpsButtons[index] == kMusicButton && (services.Songs == nullptr || !services.Songs->Enabled())) row = 2;
    if (kDiskOpsButtons[index] == kSoundsButton && (services.Waves == nullptr || !services.Waves->Enabled())) row = 2;
    if (FPressedButton == index + 1 && FPressedInside) row = 1;
    DrawPiece(view, TPoint{box->Rect.Left, box->Rect.Top}, ButtonFace(index, row));
}

void TDiskOpsRoom::DrawOverlays(TAC8ImageData* view) {
    TAuxGfxRoom::DrawOverlays(view);
    if (view == nullptr) return;
    DrawPiece(*view, kModePanelAt, MakeBounds(80, FMode ? 130 : 90, 200, 40));
    for (std::size_t slot = 0; slot < kDiskOpsSlotCount; ++slot) {
        const THitBox* box = FindHitBox(std::string(1, kDiskOpsButtons[slot]));
        if (box == nullptr) continue;
        const TPoint at{box->Rect.Left, box->Rect.Top};
        DrawPiece(*view, at, kSlotFrame);
        if (FSlots[slot] != nullptr) {
            TAC8ImageData& picture = FSlots[slot]->Image();
            view->Blit(TPoint{at.X + kSlotPictureInset.X, at.Y + kSlotPictureInset.Y}, picture, picture.GetBounds());
        }
    }
    for (char name : kDrawnButtons) DrawButton(*view, ButtonIndex(name));
}

void TDiskOpsRoom::FreePictures() {
    FScratch.reset();
    for (auto& slot : FSlots) slot.reset();
}

void TDiskOpsRoom::ReleaseGraphics(bool final) {
    FreePictures();
    TAuxGfxRoom::ReleaseGraphics(final);
}
