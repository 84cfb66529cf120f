#include "rooms/questions/train_engines.h"

#include "shell/room.h"
#include "shell/room_world.h"

namespace {
TTrainEnginesForWorkshop* TrainRoom(const TRoomWorld& world) {
    return dynamic_cast<TTrainEnginesForWorkshop*>(world.FindRoom("TRAINS"));
}
}  // namespace

std::uint8_t TerrainOfFirstCell(const TRoomWorld& world) {
    const auto* trains = TrainRoom(world);
    return trains != nullptr ? trains->TerrainOfFirstCell() : 0;
}

int EngineInWorkshop(const TRoomWorld& world) {
    const auto* trains = TrainRoom(world);
    return trains != nullptr ? trains->EngineInWorkshop() : 0;
}

void ReturnEngine(const TRoomWorld& world, int engine) {
    if (auto* trains = TrainRoom(world)) trains->ReturnEngine(engine);
}
