#include "rooms/questions/wrapped_gifts.h"

#include "shell/room.h"
#include "shell/room_world.h"

void CollectWrappedGift(TRoomWorld& world, bool force) {
    auto* living = dynamic_cast<TWrappedGiftCollector*>(world.FindRoom("LIVING"));
    if (living != nullptr) living->CollectWrappedGift(force);
}
