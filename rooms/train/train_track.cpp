#include "rooms/train/train_track.h"

namespace {

// Connectors by piece, [column][row], in the order top, right, bottom, left.
constexpr std::array<std::array<TConnectors, kPieceRows>, kPieceColumns> kConnectors{{
    {{{4, 5, 5, 5}, {5, 4, 5, 5}, {5, 2, 1, 5}, {1, 0, 5, 5}, {3, 3, 5, 0}, {1, 0, 0, 5}}},
    {{{5, 5, 4, 5}, {5, 5, 5, 4}, {3, 5, 5, 0}, {5, 5, 3, 2}, {5, 2, 1, 1}, {2, 5, 3, 2}}},
    {{{2, 5, 0, 5}, {5, 3, 5, 1}, {3, 2, 1, 0}, {1, 0, 3, 2}, {2, 3, 0, 1}, {5, 5, 5, 5}}},
}};
// Switches thrown to position 1, [column][row - 4].
constexpr std::array<std::array<TConnectors, 2>, 2> kThrownConnectors{{
    {{{1, 0, 5, 1}, {2, 2, 1, 5}}},
    {{{5, 3, 3, 2}, {3, 5, 0, 0}}},
}};
constexpr TConnectors kNoConnectors{5, 5, 5, 5};

constexpr std::array<TPathShape, kShapeCount> kShapes{{
    {{{{30, 53, 16}, {30, 47, 16}, {30, 41, 16}, {30, 34, 16}, {30, 28, 16}, {30, 22, 16},
       {30, 16, 16}, {30, 9, 16}, {30, 3, 16}, {30, -3, 16}, {30, -9, 16}, {30, -16, 16}}}, 12},
    {{{{-16, 30, 8}, {-9, 30, 8}, {-3, 30, 8}, {3, 30, 8}, {9, 30, 8}, {16, 30, 8},
       {22, 30, 8}, {28, 30, 8}, {34, 30, 8}, {41, 30, 8}, {47, 30, 8}, {53, 30, 8}}}, 12},
    {{{{30, -16, 0}, {30, -9, 0}, {30, -3, 0}, {30, 3, 0}, {30, 9, 0}, {30, 16, 0},
       {30, 22, 0}, {30, 28, 0}, {30, 34, 0}, {30, 41, 0}, {30, 47, 0}, {30, 53, 0}}}, 12},
    {{{{53, 30, 24}, {47, 30, 24}, {41, 30, 24}, {34, 30, 24}, {28, 30, 24}, {22, 30, 24},
       {16, 30, 24}, {9, 30, 24}, {3, 30, 24}, {-3, 30, 24}, {-9, 30, 24}, {-16, 30, 24}}}, 12},
    {{{{30, 53, 16}, {30, 48, 16}, {29, 41, 15}, {30, 35, 14}, {29, 32, 13}, {31, 30, 12},
       {32, 29, 11}, {36, 29, 10}, {41, 29, 9}, {48, 30, 8}, {53, 30, 8}, {0, 0, 0}}}, 11},
    {{{{-16, 30, 8}, {-11, 30, 8}, {-6, 28, 7}, {1, 28, 6}, {8, 28, 5}, {13, 29, 4},
       {18, 29, 3}, {23, 34, 2}, {27, 41, 1}, {30, 48, 0}, {30, 53, 0}, {0, 0, 0}}}, 11},
    {{{{30, -16, 0}, {30, -10, 0}, {25, -4, 31}, {21, 2, 30}, {18, 6, 29}, {15, 12, 28},
       {8, 17, 27}, {3, 23, 26}, {-2, 26, 25}, {-5, 30, 24}, {-10, 30, 24}, {-16, 30, 24}}}, 12},
    {{{{53, 30, 24}, {48, 30, 24}, {42, 26, 23}, {37, 22, 22}, {32, 17, 21}, {30, 13, 20},
       {29, 9, 19}, {30, 5, 18}, {29, -2, 17}, {30, -5, 16}, {30, -10, 16}, {30, -16, 16}}}, 12},
    {{{{30, 53, 16}, {30, 48, 16}, {27, 41, 17}, {23, 34, 18}, {18, 29, 19}, {13, 29, 20},
       {8, 28, 21}, {1, 28, 22}, {-6, 28, 23}, {-11, 30, 24}, {-16, 30, 24}, {0, 0, 0}}}, 11},
    {{{{-16, 30, 8}, {-10, 30, 8}, {-5, 30, 8}, {-2, 26, 9}, {3, 23, 10}, {8, 17, 11},
       {15, 12, 12}, {18, 6, 13}, {21, 2, 14}, {25, -4, 15}, {30, -10, 16}, {30, -16, 16}}}, 12},
    {{{{30, -16, 0}, {30, -10, 0}, {30, -5, 0}, {29, -2, 1}, {30, 5, 2}, {29, 9, 3},
       {30, 13, 4}, {32, 17, 5}, {37, 22, 6}, {42, 26, 7}, {48, 30, 8}, {53, 30, 8}}}, 12},
    {{{{53, 30, 24}, {48, 30, 24}, {41, 29, 25}, {36, 29, 26}, {32, 29, 27}, {31, 30, 28},
       {29, 32, 29}, {30, 35, 30}, {29, 41, 31}, {30, 48, 0}, {30, 53, 0}, {0, 0, 0}}}, 11},
}};

// [entry side][connector 0..4]
constexpr std::array<std::array<std::uint8_t, 5>, 4> kEntryShapes{{
    {10, 10, 2, 6, 2},
    {7, 10, 11, 3, 3},
    {0, 4, 10, 8, 0},
    {9, 1, 5, 10, 1},
}};
constexpr std::array<std::uint8_t, kShapeCount> kReverse{2, 3, 0, 1, 11, 8, 9, 10, 5, 6, 7, 4};
constexpr std::array<std::uint8_t, kShapeCount> kForwardExit{0, 1, 2, 3, 1, 2, 3, 0, 3, 0, 1, 2};
constexpr std::array<std::uint8_t, kShapeCount> kBackwardExit{2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1};

constexpr std::array<TRect, 16> kSpriteRects{{
    {0, 0, 15, 34},    {15, 0, 35, 36},   {35, 0, 58, 35},   {58, 0, 86, 35},
    {86, 0, 117, 31},  {117, 0, 151, 28}, {151, 0, 186, 24}, {186, 0, 222, 21},
    {0, 36, 34, 51},   {34, 36, 70, 56},  {70, 35, 105, 58}, {105, 31, 140, 59},
    {140, 28, 170, 59}, {170, 24, 198, 59}, {198, 21, 221, 56}, {221, 21, 241, 57},
}};

constexpr std::array<std::array<TPoint, 4>, 32> kOutlines{{
    {{{0, 0}, {15, 0}, {15, 34}, {0, 34}}},   {{{0, 5}, {14, 0}, {19, 32}, {6, 35}}},
    {{{0, 6}, {11, 0}, {22, 26}, {14, 34}}},  {{{0, 8}, {12, 0}, {27, 25}, {18, 34}}},
    {{{0, 0}, {9, 0}, {30, 22}, {22, 30}}},   {{{0, 10}, {8, 0}, {33, 18}, {27, 27}}},
    {{{0, 10}, {6, 0}, {34, 12}, {28, 23}}},  {{{0, 12}, {3, 0}, {35, 7}, {31, 20}}},
    {{{0, 0}, {33, 0}, {33, 14}, {0, 14}}},   {{{0, 6}, {27, 0}, {35, 12}, {3, 19}}},
    {{{0, 10}, {26, 0}, {34, 8}, {7, 22}}},   {{{0, 16}, {26, 0}, {34, 7}, {9, 27}}},
    {{{0, 20}, {20, 0}, {29, 6}, {9, 30}}},   {{{0, 24}, {17, 0}, {27, 6}, {12, 34}}},
    {{{0, 26}, {12, 0}, {22, 4}, {12, 34}}},  {{{0, 30}, {7, 0}, {19, 2}, {14, 35}}},
    {{{15, 34}, {0, 34}, {0, 0}, {15, 0}}},   {{{19, 30}, {5, 35}, {0, 3}, {13, 0}}},
    {{{22, 28}, {11, 34}, {0, 8}, {8, 0}}},   {{{27, 26}, {15, 34}, {0, 9}, {4, 0}}},
    {{{30, 30}, {21, 30}, {0, 8}, {8, 0}}},   {{{33, 17}, {25, 27}, {0, 9}, {6, 10}}},
    {{{34, 13}, {28, 23}, {0, 11}, {6, 0}}},  {{{35, 8}, {32, 20}, {0, 13}, {4, 0}}},
    {{{33, 14}, {0, 14}, {0, 0}, {33, 0}}},   {{{35, 13}, {8, 19}, {0, 7}, {32, 0}}},
    {{{34, 12}, {8, 22}, {0, 14}, {27, 0}}},  {{{34, 11}, {8, 27}, {0, 20}, {25, 0}}},
    {{{29, 10}, {9, 30}, {0, 24}, {20, 0}}},  {{{27, 10}, {10, 34}, {0, 28}, {15, 0}}},
    {{{22, 8}, {10, 34}, {0, 34}, {10, 0}}},  {{{19, 5}, {12, 35}, {0, 33}, {5, 0}}},
}};

// Ground tiles of terrain 2 by the mask of neighbours of terrain 1: column, row (before the
// three added), mirrored left-right, mirrored top-bottom.
constexpr std::array<TGroundTile, 16> kGroundTiles{{
    {0, 0, false, false}, {0, 1, false, true}, {1, 1, true, false}, {2, 0, true, true},
    {0, 1, false, false}, {1, 2, false, false}, {2, 0, true, false}, {2, 2, true, false},
    {1, 1, false, false}, {2, 0, false, true}, {0, 2, false, false}, {2, 1, false, true},
    {2, 0, false, false}, {2, 2, false, false}, {2, 1, false, false}, {1, 0, false, false},
}};

}  // namespace

TConnectors PieceConnectors(std::uint8_t column, std::uint8_t row, std::uint8_t setting) {
    if (column >= kPieceColumns || row >= kPieceRows) return kNoConnectors;
    if (IsSwitchPiece(column, row) && setting == 1) return kThrownConnectors[column][row - 4];
    return kConnectors[column][row];
}

TConnectors CellConnectors(const TTrainCell& cell) { return PieceConnectors(cell.Column, cell.Row, cell.Setting); }

const TPathShape& Shape(std::uint8_t shape) { return kShapes[shape % kShapeCount]; }

const TPathStep& ShapeStep(std::uint8_t shape, std::uint8_t step) {
    const std::size_t index = step >= 1 && step <= kMaxSteps ? step - 1u : 0u;
    return Shape(shape).Steps[index];
}

std::uint8_t EntryShape(int side, std::uint8_t connector) {
    return kEntryShapes[static_cast<std::size_t>(side & 3)][connector <= kBufferStop ? connector : kBufferStop];
}

std::uint8_t ReverseShape(std::uint8_t shape) { return kReverse[shape % kShapeCount]; }

int ExitSide(std::uint8_t shape, bool forward) {
    return forward ? kForwardExit[shape % kShapeCount] : kBackwardExit[shape % kShapeCount];
}

TRect SpriteRect(std::uint8_t direction) { return kSpriteRects[direction % 16u]; }
std::int32_t SpriteWidth(std::uint8_t direction) { return RectWidth(SpriteRect(direction)); }
std::int32_t SpriteHeight(std::uint8_t direction) { return RectHeight(SpriteRect(direction)); }
const std::array<TPoint, 4>& SpriteOutline(std::uint8_t direction) { return kOutlines[direction % 32u]; }

TRect TileRect(std::int32_t x, std::int32_t y) {
    const TPoint origin = TileOrigin(x, y);
    return MakeBounds(origin.X, origin.Y, kTileSize, kTileSize);
}

bool CrossesTileEdge(std::uint8_t shape, std::uint8_t a, std::uint8_t b) {
    const TPathStep& from = ShapeStep(shape, a);
    const TPathStep& to = ShapeStep(shape, b);
    const std::int32_t wa = SpriteWidth(from.Direction), wb = SpriteWidth(to.Direction);
    const std::int32_t ha = SpriteHeight(from.Direction), hb = SpriteHeight(to.Direction);
    const auto crosses = [](std::int32_t pa, std::int32_t pb, std::int32_t sa, std::int32_t sb) {
        return (pa >= 0 && pb < 0) || (pa + sa < kTileSize && pb + sb > kTileSize - 1);
    };
    return crosses(from.X, to.X, wa, wb) || crosses(from.Y, to.Y, ha, hb);
}

TGroundTile GroundTile(std::uint8_t terrain, int terrainOneMask) {
    if (terrain != 2) return TGroundTile{};
    TGroundTile tile = kGroundTiles[static_cast<std::size_t>(terrainOneMask & 15)];
    tile.Row += 3;
    return tile;
}

int TerrainOneMask(const TTrainCells& cells, std::int32_t x, std::int32_t y) {
    const auto one = [&cells](std::int32_t cx, std::int32_t cy) {
        return OnLayout(cx, cy) && cells[static_cast<std::size_t>(cx)][static_cast<std::size_t>(cy)].Terrain == 1;
    };
    return (one(x, y - 1) ? 1 : 0) | (one(x + 1, y) ? 2 : 0) | (one(x, y + 1) ? 4 : 0) | (one(x - 1, y) ? 8 : 0);
}
