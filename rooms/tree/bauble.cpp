#include "rooms/tree/bauble.h"

#include <array>

#include "foundation/stream_values.h"
#include "shell/record_reading.h"

namespace {

// Left, top, right, bottom on "treegfx", by kind 1 to 21.
constexpr std::array<TRect, kBaubleKindCount> kBaubleSources{{
    {184, 82, 203, 101}, {203, 82, 222, 101}, {244, 82, 263, 101}, {50, 0, 69, 19},   {69, 0, 88, 19},
    {88, 0, 107, 19},    {107, 0, 126, 19},   {126, 0, 145, 19},   {145, 0, 164, 19}, {164, 0, 183, 19},
    {110, 140, 128, 173}, {222, 82, 244, 106}, {13, 263, 41, 289},  {75, 263, 110, 300}, {250, 27, 263, 52},
    {250, 0, 261, 27},   {0, 263, 13, 291},   {244, 272, 257, 300}, {244, 244, 257, 272}, {250, 52, 262, 79},
    {41, 263, 72, 294},
}};

// The branches, in rows of 15 pixels from the top: a bauble hangs when its column
// (x div 15 + 1) lies in first..end - 1 of its row.
struct TBranchRow {
    std::int32_t First;
    std::int32_t End;
};
constexpr std::array<TBranchRow, 18> kBranchRows{{
    {7, 9}, {7, 10}, {6, 11}, {6, 12}, {5, 12}, {4, 13},                   // rows 0 to 5
    {3, 14}, {3, 14}, {3, 14}, {3, 14}, {3, 14}, {3, 14},                  // rows 6 to 11
    {2, 15}, {2, 15}, {2, 15}, {2, 15},                                    // rows 12 to 15
    {1, 15}, {0, 15},                                                      // rows 16 and 17
}};

// Below this the bauble would hang under the lowest branches.
constexpr std::int32_t kLowestHangingTop = 268;

}  // namespace

TRect BaubleSourceRect(std::uint8_t kind) {
    if (kind < 1 || kind > kBaubleKindCount) return TRect{};
    return kBaubleSources[kind - 1u];
}

TRect TBauble::Bounds() const {
    const TRect source = BaubleSourceRect(Kind);
    return MakeBounds(Position.X, Position.Y, RectWidth(source), RectHeight(source));
}

void TBauble::LoadFromStream(TStream& s) {
    TVekNode::LoadFromStream(s);
    Kind = record_reading::ReadU8In(s, 1, kBaubleKindCount);
    Position.X = ReadI32(s);
    Position.Y = ReadI32(s);
}

void TBauble::SaveToStream(TStream& s) const {
    TVekNode::SaveToStream(s);
    WriteByte(s, Kind);
    WriteInteger(s, Position.X);
    WriteInteger(s, Position.Y);
}

bool IsOnBranches(TPoint position) {
    if (position.Y >= kLowestHangingTop) return false;
    // Division truncates toward zero, so a little past the left edge still counts as
    // column 1, as it always has.
    const std::int32_t column = position.X / 15 + 1;
    const std::int32_t row = position.Y / 15;
    if (column < 0 || column > 14 || row < 0 || row > 17) return false;
    const TBranchRow& branches = kBranchRows[static_cast<std::size_t>(row)];
    return branches.First <= column && column < branches.End;
}
