#include "rooms/questions/doll_parts.h"

#include "shell/room.h"
#include "shell/room_world.h"

namespace {
std::uint8_t Checked(std::uint8_t choice) { return choice <= 4 ? choice : 0; }
}  // namespace

TDollPartChoices CurrentDollParts(const TRoomWorld& world) {
    const auto* dolls = dynamic_cast<const TDollPartsAnswer*>(world.FindRoom("DOLLS"));
    if (dolls == nullptr) return {};
    const TDollPartChoices parts = dolls->CurrentDollParts();
    return {Checked(parts.Head), Checked(parts.Torso), Checked(parts.Arms), Checked(parts.Legs)};
}
