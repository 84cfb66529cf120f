#pragma once
// The decorated tree of the tree room "TREE", as the living room shows it: drawn whole at an
// origin of a surface, its lights twinkling there, and a copy of it put into the album.
#include "foundation/geometry.h"

class TAC8ImageData;
class TRoomWorld;

class THouseTree {
public:
    virtual ~THouseTree() = default;
    // The whole tree with its top-left corner at the origin.
    virtual void DrawHouseTree(TAC8ImageData& surface, TPoint origin) = 0;
    // One step of the lights of the tree drawn at the origin.
    virtual void TwinkleHouseTree(TAC8ImageData& surface, TPoint origin) = 0;
    // A copy of the tree as it stands goes into the album; false when there is no album.
    virtual bool SnapHouseTree() = 0;
    // The tree's pictures may go (the room that drew it is left); the next drawing fetches them.
    virtual void ReleaseHouseTreePictures() = 0;
};

// Each does nothing (and the snapshot gives false) while the house has no tree room.
void DrawHouseTree(const TRoomWorld& world, TAC8ImageData& surface, TPoint origin);
void TwinkleHouseTree(const TRoomWorld& world, TAC8ImageData& surface, TPoint origin);
bool SnapHouseTree(const TRoomWorld& world);
void ReleaseHouseTreePictures(const TRoomWorld& world);
