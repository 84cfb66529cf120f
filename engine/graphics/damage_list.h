#pragma once
// The rectangles of a surface changed since the screen last showed it, in order of
// addition. A rectangle inside one already listed is dropped; one that holds the first
// listed rectangle it meets replaces it. Partly overlapping rectangles stay side by side:
// showing a pixel twice is cheaper than working out exact unions every tick.
#include "foundation/geometry.h"
#include "foundation/node_list.h"

class TDamageNode : public TVekNode {
public:
    explicit TDamageNode(const TRect& rect) : Rect(rect) {}
    TRect Rect;
};

class TDamageList : public TVekList {
public:
    // Merges r as above; an empty r meets nothing and is appended.
    void Add(const TRect& r);
};
