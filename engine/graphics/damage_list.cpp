#include "engine/graphics/damage_list.h"

#include <algorithm>
#include <memory>

namespace {
// Inline here: Add runs once per glyph drawn.
inline bool Empty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

// Both non-empty.
inline bool Meet(const TRect& a, const TRect& b) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

inline bool Holds(const TRect& outer, const TRect& inner) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

inline TRect Union(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}
}  // namespace

void TDamageList::Add(const TRect& r) {
    if (Empty(r)) {
        Append(std::make_unique<TDamageNode>(r));
        return;
    }
    if (Empty(FBounds) || !Meet(FBounds, r)) {
        // Meets no rectangle of the list.
        FBounds = Empty(FBounds) ? r : Union(FBounds, r);
        Append(std::make_unique<TDamageNode>(r));
        return;
    }
    // When r holds every rectangle, the first it meets is the first non-empty one.
    const bool holdsAll = Holds(r, FBounds);
    for (auto* node : NodesOf<TDamageNode>(*this)) {
        const TRect& n = node->Rect;
        if (Empty(n)) continue;
        if (holdsAll) {
            node->Rect = r;
            FBounds = r;
            return;
        }
        if (!Meet(n, r)) continue;
        if (Holds(n, r)) return;
        if (Holds(r, n)) {
            node->Rect = r;
            FBounds = Union(FBounds, r);
            return;
        }
    }
    FBounds = Union(FBounds, r);
    Append(std::make_unique<TDamageNode>(r));
}

void TDamageList::Clear() {
    TVekList::Clear();
    FBounds = {};
}
