#include "aux_gfx_room.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "room_world.h"
#include "view_size.h"

// --- TAuxGfxRoom ---

TAuxGfxRoom::~TAuxGfxRoom() { ReleaseAuxImage(); }

void TAuxGfxRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    if (FAuxPicture.Node() != nullptr) return;
    FAuxPicture = TPictureHandle(Library(), AC8ImageName(FAuxImageName));
    if ((Flags & kRoomFlipVertical) != 0) FAuxPicture->FlipVertical = true;
}

void TAuxGfxRoom::Leave() {
    TRoom::Leave();
    ReleaseAuxImage();
}

void TAuxGfxRoom::ReleaseAuxImage() { FAuxPicture.Reset(); }

// --- TWideRoom ---

void TWideRoom::Enter(const std::string& fromRoom) {
    TAuxGfxRoom::Enter(fromRoom);
    FAtLeftEnd = ScrollOffset == 0;
    UpdateScrollButtons();
}

void TWideRoom::UpdateScrollButtons() {
    FindNodeOrFail<THitBox>(HitBoxes(), "GO_L_END").SetEnabled(!FAtLeftEnd);
    FindNodeOrFail<THitBox>(HitBoxes(), "GO_R_END").SetEnabled(FAtLeftEnd);
}

// A step towards one end drops the pending step towards the other, so a click on the other
// arrow in the middle of a scroll turns it round instead of making the two fight.
void TWideRoom::RunScript(const std::string& script, const std::string& sender) {
    const bool right = sender == "GO_R_END";
    if (!right && sender != "GO_L_END") {
        TAuxGfxRoom::RunScript(script, sender);
        return;
    }
    if (Width == 0) Width = static_cast<std::uint16_t>(ViewWidth());
    FindNodeOrFail<THitBox>(HitBoxes(), sender).SetEnabled(false);
    if (right) {
        RemoveTimer(kScrollLeftTimer);
        ScrollTo(ScrollOffset + kScrollStep);
        if (ScrollOffset < Width - ViewWidth()) {
            AddTimer(kScrollRightTimer, 1);
        } else {
            FAtLeftEnd = false;
            UpdateScrollButtons();
        }
        FindNodeOrFail<THitBox>(HitBoxes(), "GO_L_END").SetEnabled(true);
    } else {
        RemoveTimer(kScrollRightTimer);
        ScrollTo(ScrollOffset - kScrollStep);
        if (ScrollOffset <= 0) {
            FAtLeftEnd = true;
            UpdateScrollButtons();
        } else {
            AddTimer(kScrollLeftTimer, 1);
        }
        FindNodeOrFail<THitBox>(HitBoxes(), "GO_R_END").SetEnabled(true);
    }
    Draw(World().GetViewImage());
}
