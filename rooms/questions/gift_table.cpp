#include "rooms/questions/gift_table.h"

#include <array>
#include <stdexcept>

#include "shell/room.h"
#include "shell/room_world.h"

namespace {
// Detail counts by kind; 0 marks a kind no room has registered.
std::array<std::uint8_t, kGiftKinds>& DetailCounts() {
    static std::array<std::uint8_t, kGiftKinds> counts{};
    return counts;
}
}  // namespace

void RegisterGiftKind(std::uint8_t kind, std::uint8_t detailCount) {
    if (kind >= kGiftKinds || detailCount == 0) throw std::invalid_argument("gift kind out of range");
    DetailCounts()[kind] = detailCount;
}

std::uint8_t GiftDetailCount(std::uint8_t kind) { return kind < kGiftKinds ? DetailCounts()[kind] : 0; }

bool WrapAsGift(TRoomWorld& world, std::uint8_t kind, std::uint8_t detail) {
    if (detail >= GiftDetailCount(kind)) return false;
    auto* table = dynamic_cast<TGiftTable*>(world.FindRoom("WRAP"));
    if (table == nullptr) return false;
    table->SetGift(kind, detail);
    world.GoRoom("WRAP");
    return true;
}
