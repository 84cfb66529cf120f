#pragma once
// The rectangles of a surface changed since the screen last showed it, in order of
// addition. A rectangle inside one already listed is dropped; one that holds the first
// listed rectangle it meets replaces it. Partly overlapping rectangles stay side by side:
// showing a pixel twice is cheaper than working out exact unions every tick.
//
// Text is drawn a glyph at a time, so a page adds hundreds of small rectangles: the list
// keeps a box around everything it holds, and a rectangle outside that box, or one that
// holds it, is placed without walking the list.
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
    void Clear();

private:
    // Holds every non-empty rectangle of the list (it may be larger after removals through
    // the base list, which keeps every use of it right). Empty while nothing is held.
    TRect FBounds{};
};
