#pragma once
// One bauble on the tree: its kind (which picture of the decoration sheet) and where its
// picture's top-left corner lies, relative to the tree's origin. Baubles live in the tree's
// node list and are written in the node stream under class id 13.
#include <cstdint>

#include "foundation/geometry.h"
#include "foundation/node_list.h"

inline constexpr std::uint8_t kBaubleClassId = 13;
inline constexpr std::uint8_t kBaubleKindCount = 21;

class TBauble : public TVekNode {
public:
    TBauble() { ClassId = kBaubleClassId; }
    TBauble(std::uint8_t kind, TPoint position) : TBauble() {
        Kind = kind;
        Position = position;
    }

    // Kind byte, then x and y as Int32; the flags are not stored. A kind outside 1 to 21
    // is damage (game string 1351): it would index past the picture table.
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;

    // The bauble's picture size placed at its position.
    TRect Bounds() const;

    bool OffTree = false;   // the last drop left it outside the branches
    bool Selected = false;  // being dragged, or just added or picked
    std::uint8_t Kind = 1;
    TPoint Position;
};

// The picture of a bauble kind (1 to 21) on the decoration sheet "treegfx".
TRect BaubleSourceRect(std::uint8_t kind);
// Whether a bauble whose picture's top-left lies at the point hangs on the branches.
bool IsOnBranches(TPoint position);
