#include "rooms/kitchen/tray_room.h"

#include <array>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/kitchen/cookie_info.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/kitchen/kitchen_words.h"
#include "shell/room_words.h"
#include "shell/room_world.h"

namespace {

// Where each place's cookie lies on the close-up (places 1 to 3 in front, 4 to 6 behind).
constexpr std::array<TPoint, kTrayPlaces> kPlaces{{
    {50, 164}, {195, 164}, {340, 164}, {50, 21}, {195, 21}, {340, 21},
}};

// Whether the kitchen's machine tray holds a cookie.
bool KitchenTrayFull(const TKitchenRoom* kitchen) {
    return kitchen != nullptr && TrayHoldsCookie(kitchen->MachineTray());
}

}  // namespace

TTrayRoom::TTrayRoom(std::string_view name) : TRoom(name) {
    Flags |= kRoomSnapEnabled | kRoomWrapEnabled;
    FirstSaveVersion = 7;
}

void TTrayRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    UpdateSnapWrap();
}

void TTrayRoom::UpdateSnapWrap() {
    const std::uint16_t before = Flags;
    if (KitchenTrayFull(FindKitchen(World())))
        Flags |= kRoomSnapEnabled | kRoomWrapEnabled;
    else
        Flags &= static_cast<std::uint16_t>(~(kRoomSnapEnabled | kRoomWrapEnabled));
    if (Flags != before) World().UpdateActionButtons(*this);
}

void TTrayRoom::RunScript(const std::string& script, const std::string& sender) {
    TKitchenRoom* kitchen = FindKitchen(World());
    if (sender == kitchen_words::kSnap) {
        if (!KitchenTrayFull(kitchen)) return;
        HandTrayToAlbum(World(), kitchen->MachineTray());
        RunScript("", std::string(room_words::kSnapFlash));
    } else if (sender == kitchen_words::kWrap) {
        if (kitchen != nullptr) kitchen->WrapMachineTray();
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kitchen_words::kTrayHelpPage);
    } else {
        TRoom::RunScript(script, sender);
    }
}

void TTrayRoom::DrawOverlays(TAC8ImageData* view) {
    TRoom::DrawOverlays(view);
    const TKitchenRoom* kitchen = GetWorld() != nullptr ? FindKitchen(World()) : nullptr;
    if (view == nullptr || kitchen == nullptr) return;
    for (int place = 1; place <= kTrayPlaces; ++place) {
        THotImage* cookie = kitchen->MachinePicture(place);
        if (cookie == nullptr || kitchen->MachineTray()[static_cast<std::size_t>(place - 1)].Present != 1) continue;
        TAC8ImageData& picture = cookie->Image();
        view->Blit(kPlaces[static_cast<std::size_t>(place - 1)], picture, picture.GetBounds());
    }
}
