#include "rooms/questions/house_tree.h"

#include "shell/room.h"
#include "shell/room_world.h"

namespace {
THouseTree* FindTree(const TRoomWorld& world) { return dynamic_cast<THouseTree*>(world.FindRoom("TREE")); }
}  // namespace

void DrawHouseTree(const TRoomWorld& world, TAC8ImageData& surface, TPoint origin) {
    if (THouseTree* tree = FindTree(world)) tree->DrawHouseTree(surface, origin);
}

void TwinkleHouseTree(const TRoomWorld& world, TAC8ImageData& surface, TPoint origin) {
    if (THouseTree* tree = FindTree(world)) tree->TwinkleHouseTree(surface, origin);
}

bool SnapHouseTree(const TRoomWorld& world) {
    THouseTree* tree = FindTree(world);
    return tree != nullptr && tree->SnapHouseTree();
}

void ReleaseHouseTreePictures(const TRoomWorld& world) {
    if (THouseTree* tree = FindTree(world)) tree->ReleaseHouseTreePictures();
}
