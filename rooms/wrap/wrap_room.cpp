#include "rooms/wrap/wrap_room.h"

#include "shell/room_world.h"

struct TWrapRoom::TPictures {};

TWrapRoom::TWrapRoom(std::string_view name) : TAuxGfxRoom(name) {
    SetAuxImageName("wrapgfx");
    Flags = static_cast<std::uint16_t>(Flags & ~(kRoomSnapOffered | kRoomWrapOffered));
    FIsShowRoom = GetID().substr(0, 4) == "SHOW";
    if (FIsShowRoom) Flags |= kRoomFullFrame;
}

TWrapRoom::~TWrapRoom() = default;

void TWrapRoom::SetGift(std::uint8_t kind, std::uint8_t detail) { FGift = std::make_unique<TGift>(kind, detail); }
std::unique_ptr<TGift> TWrapRoom::TakeGift() { return std::move(FGift); }
void TWrapRoom::DropGift() { FGift.reset(); }
void TWrapRoom::ShowGift(std::unique_ptr<TGift> gift) { FGift = std::move(gift); }
int TWrapRoom::GiftState() const { return FGift ? 1 + FGift->Paper : 0; }
bool TWrapRoom::SlateOnTable() const { return false; }
void TWrapRoom::Enter(const std::string& fromRoom) { TAuxGfxRoom::Enter(fromRoom); }
void TWrapRoom::RunScript(const std::string& script, const std::string& sender) { TAuxGfxRoom::RunScript(script, sender); }
bool TWrapRoom::ControlEvent(TControlBox&, TControlEventKind) { return false; }
void TWrapRoom::DrawOverlays(TAC8ImageData* view) { TAuxGfxRoom::DrawOverlays(view); }
void TWrapRoom::ReleaseGraphics(bool final) { TAuxGfxRoom::ReleaseGraphics(final); }

TRect DrawSmallGift(TAC8ImageData&, TPoint origin, const TAC8ImageData&, const TGift&) {
    return TRect{origin.X, origin.Y, origin.X, origin.Y};
}

TWrapRoom* FindWrapRoom(const TRoomWorld& world, std::string_view name) {
    return dynamic_cast<TWrapRoom*>(world.FindRoom(name));
}
