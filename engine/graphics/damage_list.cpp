#include "engine/graphics/damage_list.h"

#include <memory>

namespace {
bool RectContains(const TRect& outer, const TRect& inner) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}
}  // namespace

void TDamageList::Add(const TRect& r) {
    for (auto* node : NodesOf<TDamageNode>(*this)) {
        if (IsRectEmpty(IntersectRects(node->Rect, r))) continue;
        if (RectContains(node->Rect, r)) return;
        if (RectContains(r, node->Rect)) {
            node->Rect = r;
            return;
        }
    }
    Append(std::make_unique<TDamageNode>(r));
}
