#pragma once
// The rectangles of a surface changed since the screen last showed it, in order of
// addition. A rectangle inside one already listed is dropped; one that holds the first
// listed rectangle it meets replaces it. Partly overlapping rectangles stay side by side:
// showing a pixel twice is cheaper than working out exact unions every tick.
//
// Text is drawn a glyph at a time, so a page adds hundreds of small rectangles: the list
// keeps a box around everything it holds (a rectangle outside it, or one that holds it, is
// placed at once), and once it grows long, a grid of cells naming the rectangles that reach
// into each, so a new rectangle is compared only with its neighbours.
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "foundation/node_list.h"

class TDamageNode : public TVekNode {
public:
    explicit TDamageNode(const TRect& rect) : Rect(rect) {}
    TRect Rect;
    // Place in the list (0 first), which decides among several rectangles r meets.
    std::uint32_t Order = 0;
};

class TDamageList : public TVekList {
public:
    TDamageList();
    ~TDamageList() override;
    TDamageList(const TDamageList&) = delete;
    TDamageList& operator=(const TDamageList&) = delete;

    // Merges r as above; an empty r meets nothing and is appended.
    void Add(const TRect& r);
    void Clear();

private:
    class TGrid;
    TDamageNode* FirstMerging(const TRect& r) const;
    void AppendNode(const TRect& r);

    // Holds every non-empty rectangle of the list. Empty while nothing is held.
    TRect FBounds{};
    TDamageNode* FFirstHeld = nullptr;  // the first non-empty rectangle
    std::uint32_t FCount = 0;
    std::unique_ptr<TGrid> FGrid;  // made when the list grows long, kept across Clear
};
