#pragma once
// The geometry of the train table: which sides of a tile each track piece joins, the fixed
// paths an engine follows through a tile, how a path goes on into the next tile, where an
// engine can be set down, the engine pictures' cut-outs and outlines by direction, and the
// ground tile under each cell. Everything here is pure tables and arithmetic, so it is tested
// without pictures.
#include <array>
#include <cstdint>
#include <optional>

#include "foundation/geometry.h"

inline constexpr int kLayoutColumns = 5;
inline constexpr int kLayoutRows = 4;
inline constexpr int kTileSize = 75;
// Where tile (0, 0) lies in the room.
inline constexpr TPoint kLayoutOrigin{10, 9};

// Sides of a tile.
inline constexpr int kSideTop = 0;
inline constexpr int kSideRight = 1;
inline constexpr int kSideBottom = 2;
inline constexpr int kSideLeft = 3;
constexpr int OppositeSide(int side) { return (side + 2) % 4; }

// Connector values: 0..3 the side a track entering here leads to, 4 a buffer stop, 5 none.
inline constexpr std::uint8_t kBufferStop = 4;
inline constexpr std::uint8_t kNoTrack = 5;

// Pieces by palette column and row; column 2 row 5 is plain ground without track.
inline constexpr std::uint8_t kPieceColumns = 3;
inline constexpr std::uint8_t kPieceRows = 6;
inline constexpr std::uint8_t kGroundColumn = 2;
inline constexpr std::uint8_t kGroundRow = 5;
inline constexpr std::uint8_t kSceneryItems = 4;

constexpr bool IsSwitchPiece(std::uint8_t column, std::uint8_t row) { return column <= 1 && (row == 4 || row == 5); }
constexpr bool IsGroundPiece(std::uint8_t column, std::uint8_t row) {
    return column == kGroundColumn && row == kGroundRow;
}

// One cell of the table.
struct TTrainCell {
    std::uint8_t Column = kGroundColumn;
    std::uint8_t Row = kGroundRow;
    std::uint8_t Setting = 0;   // switch position 0/1, or the scenery item 0..4 on plain ground
    std::uint8_t Terrain = 0;   // 0 bare table, 1 or 2 the palette page it was laid from
    bool Spring = false;        // a switch that flips by itself behind a train
    bool FlipPending = false;   // a train has left this spring switch
    bool IsSwitch() const { return IsSwitchPiece(Column, Row); }
    bool IsGround() const { return IsGroundPiece(Column, Row); }
    // The switch goes over to its other position.
    void Throw() { Setting = Setting == 1 ? 0 : 1; }
    friend bool operator==(const TTrainCell&, const TTrainCell&) = default;
};

// The table's cells, [x][y].
using TTrainCells = std::array<std::array<TTrainCell, kLayoutRows>, kLayoutColumns>;

using TConnectors = std::array<std::uint8_t, 4>;  // top, right, bottom, left

// The piece's connectors; a switch uses its other table in position 1. Pieces outside the
// palette have none.
TConnectors PieceConnectors(std::uint8_t column, std::uint8_t row, std::uint8_t setting);
TConnectors CellConnectors(const TTrainCell& cell);

// One step of a path: the sprite's top-left corner relative to the tile, and its direction
// 0..31 (0 down, 8 right, 16 up, 24 left).
struct TPathStep {
    std::int8_t X;
    std::int8_t Y;
    std::uint8_t Direction;
};
inline constexpr int kShapeCount = 12;
inline constexpr int kMaxSteps = 12;
struct TPathShape {
    std::array<TPathStep, kMaxSteps> Steps;
    std::uint8_t Count;
};
const TPathShape& Shape(std::uint8_t shape);
// Step 1..count of a shape.
const TPathStep& ShapeStep(std::uint8_t shape, std::uint8_t step);

// The shape taken entering through a side whose connector is 0..4.
std::uint8_t EntryShape(int side, std::uint8_t connector);
std::uint8_t ReverseShape(std::uint8_t shape);
// The side a shape leaves through running forward (rising steps) or backward.
int ExitSide(std::uint8_t shape, bool forward);

// The cut-out of the engine and car pictures for a direction (directions 16..31 use that of
// direction - 16, mirrored both ways), and the outline's four corners relative to the
// sprite's top-left corner.
TRect SpriteRect(std::uint8_t direction);
std::int32_t SpriteWidth(std::uint8_t direction);
std::int32_t SpriteHeight(std::uint8_t direction);
const std::array<TPoint, 4>& SpriteOutline(std::uint8_t direction);

// Where tile (x, y) lies in the room.
constexpr TPoint TileOrigin(std::int32_t x, std::int32_t y) {
    return TPoint{kLayoutOrigin.X + kTileSize * x, kLayoutOrigin.Y + kTileSize * y};
}
TRect TileRect(std::int32_t x, std::int32_t y);
constexpr bool OnLayout(std::int32_t x, std::int32_t y) {
    return x >= 0 && x < kLayoutColumns && y >= 0 && y < kLayoutRows;
}

// The switch lever's square inside a tile: its picture is drawn there, and a click on it
// works the switch.
inline constexpr std::int32_t kLeverInset = 17;
inline constexpr std::int32_t kLeverSize = 41;
constexpr bool OnLever(TPoint inTile) {
    return inTile.X >= kLeverInset && inTile.X < kLeverInset + kLeverSize && inTile.Y >= kLeverInset &&
           inTile.Y < kLeverInset + kLeverSize;
}

// Whether moving from step a to step b of a shape makes the sprite start to cross the
// tile's edge.
bool CrossesTileEdge(std::uint8_t shape, std::uint8_t a, std::uint8_t b);

// The ground tile of "terrain2" for a cell: its column and row and the mirroring.
struct TGroundTile {
    std::int32_t Column = 0;
    std::int32_t Row = 0;
    bool FlipHorizontal = false;
    bool FlipVertical = false;
    friend bool operator==(const TGroundTile&, const TGroundTile&) = default;
};
// terrain 1 gives the plain tile; terrain 2 borders the neighbours of terrain 1 by the mask
// (top 1, right 2, bottom 4, left 8).
TGroundTile GroundTile(std::uint8_t terrain, int terrainOneMask);
// The mask of a cell's neighbours of terrain 1; neighbours off the table are not.
int TerrainOneMask(const TTrainCells& cells, std::int32_t x, std::int32_t y);
