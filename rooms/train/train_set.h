#pragma once
// The train table as an album snapshot (kind 0): its cells as they stood and where the two
// engines and their cars were, with its stream and its drawing.
//
// Stream: one byte 0 (the node's class id), then 20 cells, x outer and y inner, of five
// bytes (piece column, piece row, setting, terrain, spring), then four entries (engine 1,
// engine 2, car 1, car 2) of x offset and y offset (signed bytes), direction (byte), tile x
// and tile y (signed 32-bit) and present (byte).
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/train/train_track.h"

class TAC8ImageData;
class TAC8Library;
class TRoomWorld;
class TStream;
class TTrainLayout;

inline constexpr std::uint8_t kTrainSnapshotKind = 0;
inline constexpr std::uint8_t kTrainSetClassId = 0;
inline constexpr TSnapshotSize kTrainThumbnailSize{176, 142};
inline constexpr TSnapshotSize kTrainFullSize{396, 320};
inline constexpr TSnapshotSize kTrainHungSize{88, 71};

struct TTrainSetEntry {
    std::int8_t X = 0;
    std::int8_t Y = 0;
    std::uint8_t Direction = 0;
    std::int32_t TileX = -1;
    std::int32_t TileY = -1;
    bool Present = false;
    friend bool operator==(const TTrainSetEntry&, const TTrainSetEntry&) = default;
};

class TTrainSet final : public TSnapshot {
public:
    TTrainCells Cells{};
    std::array<TTrainSetEntry, 4> Entries{};
};

// The table as it stands: an engine is present on the table or crashed there, a car when
// its engine is present and the car is attached.
std::unique_ptr<TTrainSet> MakeTrainSet(const TTrainLayout& layout);

// One saved cell (five bytes), validated: column at most 2, row at most 5, terrain at most
// 2, a setting the piece allows, spring 0 or 1; else "Saved game is damaged.".
TTrainCell ReadTrainCell(TStream& s);
void WriteTrainCell(TStream& s, const TTrainCell& cell);

// Raises "Saved game is damaged." on a damaged stream; nothing is kept from it then.
std::unique_ptr<TTrainSet> ReadTrainSet(TStream& s);
void WriteTrainSet(const TTrainSet& set, TStream& s);

// The table drawn into a 396 x 320 work picture from private copies of the pictures, then
// stretched into rect of the image.
void DrawTrainSet(const TTrainSet& set, TAC8ImageData& image, const TRect& rect, TAC8Library* library);

// Puts kind 0 into the album's table of snapshot kinds.
void RegisterTrainSnapshotKind();
