#include "jukebox_room.h"

#include <array>

#include "bed_room.h"
#include "engine/graphics/ac8_image_data.h"
#include "shell/script_message.h"
#include "jukebox_room_words.h"
#include "shell/hit_box.h"
#include "shell/room_world.h"
#include "shell/room_words.h"
#include "shell/game_context.h"

using namespace jukebox_room_words;

namespace {

// Timers and sounds of the jukebox.
constexpr std::uint8_t kCartridgeTimer = TimerCodeValue(TTimerCode::Cartridge);  // "CARTRIDGE": the taken cartridge reaches the slot
constexpr std::uint8_t kDelayTimer = TimerCodeValue(TTimerCode::Delay);          // "DELAY": the button comes up again
constexpr std::uint8_t kAnimateTimer = TimerCodeValue(TTimerCode::Animate);      // "ANIMATE": the playing slot starts to glow
constexpr std::int32_t kSoundBackToRack = 36;
constexpr std::int32_t kSoundIntoSlot = 37;
constexpr std::int32_t kSoundButton = 38;

// Slot frames.
constexpr std::int16_t kSlotEmpty = 0;
constexpr std::int16_t kSlotIdle = 1;
constexpr std::int16_t kSlotPlaying = 2;
constexpr std::int16_t kSlotAnimated = 3;

// Navigation buttons 2 to 4 stay dark while the bedroom door is shut.
constexpr std::uint8_t kDoorShutMask = 14;

// Where each cartridge stands in the view, and its picture in the sheet: the left half of the
// sheet holds the empty rack places, the right half (121 pixels on) the cartridges.
struct TCartridgePlace {
    TPoint At;
    TRect Source;
};
constexpr std::int32_t kCartridgeSheetOffset = 121;
constexpr std::array<TCartridgePlace, kCartridgeCount> kPlaces{{
    {{361, 23}, {0, 0, 23, 124}},    {{391, 23}, {23, 0, 46, 124}},   {{420, 23}, {46, 0, 73, 124}},
    {{452, 23}, {73, 0, 98, 124}},   {{482, 23}, {98, 0, 121, 124}},  {{363, 153}, {0, 124, 22, 245}},
    {{390, 153}, {22, 124, 46, 245}}, {{420, 153}, {46, 124, 73, 245}}, {{453, 153}, {73, 124, 99, 245}},
    {{483, 153}, {99, 124, 121, 245}},
}};
constexpr std::array<std::int32_t, kCartridgeCount> kSongs{9, 10, 12, 13, 15, 3, 4, 6, 8, 11};

bool BedroomDoorOpen(const TRoomWorld& world) {
    const auto* bedroom = dynamic_cast<const TBedRoom*>(world.FindRoom(kBedroom));
    return bedroom != nullptr && bedroom->IsDoorOpen();
}

}  // namespace

TJukeboxRoom::TJukeboxRoom(std::string_view name) : TAuxGfxRoom(name) { SetAuxImageName("jukegfx"); }

std::int32_t TJukeboxRoom::SongOfCartridge(int cartridge) {
    if (cartridge < 0 || cartridge >= kCartridgeCount) return 0;
    return kSongs[static_cast<std::size_t>(cartridge)];
}

void TJukeboxRoom::Enter(const std::string& fromRoom) {
    TAuxGfxRoom::Enter(fromRoom);
    NavigationMask = BedroomDoorOpen(World()) ? 0 : kDoorShutMask;
    World().UpdateNavButtons(*this);
    const bool empty = FCartridge == kNoCartridge;
    StoreFrame(kSlot, empty ? kSlotEmpty : FIdle ? kSlotIdle : kSlotAnimated);
    StoreFrame(kButton, empty ? 1 : 0);
    UpdateBoxes();
}

void TJukeboxRoom::SetIdle(bool idle) {
    if (idle == FIdle) return;
    FIdle = idle;
    TFrameSet* slot = FrameSets().FindFrameSet(kSlot);
    if (slot == nullptr) return;
    if (IsOnScreen())
        ShowFrame(*slot, idle ? kSlotIdle : kSlotPlaying);
    else
        slot->SetFrame(nullptr, idle ? kSlotIdle : kSlotPlaying, false);
}

void TJukeboxRoom::UpdateBoxes() {
    for (int n = 0; n < kCartridgeCount; ++n)
        FindNodeOrFail<THitBox>(HitBoxes(), std::string(1, char('0' + n))).SetEnabled(n != FCartridge);
    FindNodeOrFail<THitBox>(HitBoxes(), kButton).SetEnabled(FCartridge != kNoCartridge);
}

void TJukeboxRoom::RunScript(const std::string& script, const std::string& sender) {
    if (script == kRackScript) {
        const int taken = DigitOf(sender, 0, kCartridgeCount - 1);
        if (taken < 0) return;  // not a rack place
        if (FCartridge == kNoCartridge) {
            AddTimer(kCartridgeTimer, 1);
        } else {
            const int back = FCartridge;
            FCartridge = kNoCartridge;
            RedrawCartridge(back);
            if (!FIdle) MusicEnded(World(), 0);
            FIdle = true;
            ShowFrame(kSlot, kSlotEmpty);
            AddTimer(kCartridgeTimer, 10);
            PlaySound(kSoundBackToRack);
        }
        FCartridge = static_cast<std::uint8_t>(taken);
        UpdateBoxes();
    } else if (sender == kCartridgeInSlot) {
        ShowFrame(kSlot, kSlotIdle);
        ShowFrame(kButton, 0);
        FindNodeOrFail<THitBox>(HitBoxes(), kButton).SetEnabled(FCartridge != kNoCartridge);
        if (FCartridge != kNoCartridge) RedrawCartridge(FCartridge);
        PlaySound(kSoundIntoSlot);
    } else if (script == kButtonScript) {
        if (FCartridge == kNoCartridge) return;  // nothing to play
        const bool wasIdle = FIdle;
        MusicEnded(World(), 0);
        PlaySound(kSoundButton);
        if (wasIdle) {
            World().PlayMusic(SongOfCartridge(FCartridge));
            AddTimer(kAnimateTimer, 15);
        }
        SetIdle(!wasIdle);
        ShowFrame(kButton, 1);
        AddTimer(kDelayTimer, 10);
    } else if (sender == kButtonUp) {
        ShowFrame(kButton, 0);
    } else if (sender == kSlotGlow) {
        if (!FIdle) ShowFrame(kSlot, kSlotAnimated);
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else {
        TAuxGfxRoom::RunScript(script, sender);
    }
}

void TJukeboxRoom::DrawOverlays(TAC8ImageData* view) {
    TAuxGfxRoom::DrawOverlays(view);
    if (view == nullptr || AuxImage() == nullptr) return;
    for (int n = 0; n < kCartridgeCount; ++n) DrawCartridge(*view, n);
}

void TJukeboxRoom::DrawCartridge(TAC8ImageData& view, int n) const {
    const TCartridgePlace& place = kPlaces[static_cast<std::size_t>(n)];
    TRect source = place.Source;
    if (n != FCartridge) {
        source.Left += kCartridgeSheetOffset;
        source.Right += kCartridgeSheetOffset;
    }
    view.Blit(place.At, *AuxImage(), source);
}

void TJukeboxRoom::RedrawCartridge(int n) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr || n < 0 || n >= kCartridgeCount) return;
    const TCartridgePlace& place = kPlaces[static_cast<std::size_t>(n)];
    RedrawRect(view, MakeBounds(place.At.X, place.At.Y, place.Source.Right - place.Source.Left,
                                place.Source.Bottom - place.Source.Top));
}
