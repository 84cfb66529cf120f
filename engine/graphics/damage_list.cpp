#include "engine/graphics/damage_list.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

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

// Lists shorter than this are walked; a walk of a few is cheaper than the grid's upkeep.
constexpr std::uint32_t kGridFrom = 32;
}  // namespace

// Cells of 64 x 8 pixels; coordinates beyond the grid's edges count in the edge cells, so a
// rectangle is always listed in every cell it shares a pixel with.
class TDamageList::TGrid {
public:
    struct TCells {
        int Column0, Column1, Row0, Row1;
    };
    static TCells CellsOf(const TRect& r) {
        return {Column(r.Left), Column(r.Right - 1), Row(r.Top), Row(r.Bottom - 1)};
    }
    void Enter(TDamageNode* node, const TCells& cells, const TCells* already = nullptr) {
        for (int row = cells.Row0; row <= cells.Row1; ++row)
            for (int column = cells.Column0; column <= cells.Column1; ++column) {
                if (already != nullptr && row >= already->Row0 && row <= already->Row1 && column >= already->Column0 &&
                    column <= already->Column1)
                    continue;
                std::vector<TDamageNode*>& cell = Cell(column, row);
                if (cell.empty()) FUsed.push_back(Index(column, row));
                cell.push_back(node);
            }
    }
    // The earliest listed rectangle that r meets and that holds r or is held by it.
    TDamageNode* FirstMerging(const TRect& r) const {
        const TCells cells = CellsOf(r);
        TDamageNode* best = nullptr;
        std::uint32_t bestOrder = std::numeric_limits<std::uint32_t>::max();
        for (int row = cells.Row0; row <= cells.Row1; ++row)
            for (int column = cells.Column0; column <= cells.Column1; ++column)
                for (TDamageNode* node : FCells[Index(column, row)]) {
                    if (node->Order >= bestOrder) continue;
                    const TRect& n = node->Rect;
                    if (Meet(n, r) && (Holds(n, r) || Holds(r, n))) {
                        best = node;
                        bestOrder = node->Order;
                    }
                }
        return best;
    }
    void Clear() {
        for (const std::size_t index : FUsed) FCells[index].clear();
        FUsed.clear();
    }

private:
    static constexpr int kColumnShift = 6, kColumns = 16;
    static constexpr int kRowShift = 3, kRows = 128;
    static int Column(std::int32_t x) { return std::clamp(x >> kColumnShift, 0, kColumns - 1); }
    static int Row(std::int32_t y) { return std::clamp(y >> kRowShift, 0, kRows - 1); }
    static std::size_t Index(int column, int row) { return std::size_t(row) * kColumns + std::size_t(column); }
    std::vector<TDamageNode*>& Cell(int column, int row) { return FCells[Index(column, row)]; }

    std::array<std::vector<TDamageNode*>, std::size_t(kColumns) * kRows> FCells;
    std::vector<std::size_t> FUsed;
};

TDamageList::TDamageList() = default;
TDamageList::~TDamageList() = default;

TDamageNode* TDamageList::FirstMerging(const TRect& r) const {
    if (FGrid) return FGrid->FirstMerging(r);
    for (auto* node : NodesOf<TDamageNode>(*this)) {
        const TRect& n = node->Rect;
        if (!Empty(n) && Meet(n, r) && (Holds(n, r) || Holds(r, n))) return node;
    }
    return nullptr;
}

void TDamageList::AppendNode(const TRect& r) {
    auto node = std::make_unique<TDamageNode>(r);
    node->Order = FCount++;
    TDamageNode* added = node.get();
    Append(std::move(node));
    if (Empty(r)) return;
    if (FFirstHeld == nullptr) FFirstHeld = added;
    FBounds = Empty(FBounds) ? r : Union(FBounds, r);
    if (FGrid) {
        FGrid->Enter(added, TGrid::CellsOf(r));
    } else if (FCount >= kGridFrom) {
        FGrid = std::make_unique<TGrid>();
        for (auto* listed : NodesOf<TDamageNode>(*this))
            if (!Empty(listed->Rect)) FGrid->Enter(listed, TGrid::CellsOf(listed->Rect));
    }
}

void TDamageList::Add(const TRect& r) {
    if (Empty(r) || Empty(FBounds) || !Meet(FBounds, r)) {
        // Meets no rectangle of the list.
        AppendNode(r);
        return;
    }
    // When r holds every rectangle, the first it meets is the first non-empty one;
    // otherwise the first that r meets and that holds it or that it holds.
    TDamageNode* node = Holds(r, FBounds) ? FFirstHeld : FirstMerging(r);
    if (node == nullptr) {
        AppendNode(r);
        return;
    }
    if (Holds(node->Rect, r)) return;
    const TRect old = node->Rect;
    node->Rect = r;
    FBounds = Union(FBounds, r);
    if (FGrid) {
        const TGrid::TCells before = TGrid::CellsOf(old);
        FGrid->Enter(node, TGrid::CellsOf(r), &before);
    }
}

void TDamageList::Clear() {
    TVekList::Clear();
    FBounds = {};
    FFirstHeld = nullptr;
    FCount = 0;
    if (FGrid) FGrid->Clear();
}
