#include "rooms/train/train_set.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "rooms/train/train_layout.h"
#include "rooms/train/train_pictures.h"
#include "shell/record_reading.h"

using namespace record_reading;

namespace {

std::uint8_t HighestSetting(const TTrainCell& cell) {
    if (cell.IsSwitch()) return 1;
    if (cell.IsGround()) return kSceneryItems;
    return 0;
}

void DrawKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    DrawTrainSet(static_cast<const TTrainSet&>(snapshot), surface, rect, &library);
}
std::unique_ptr<TSnapshot> ReadKind(TStream& s) { return ReadTrainSet(s); }
void WriteKind(const TSnapshot& snapshot, TStream& s) { WriteTrainSet(static_cast<const TTrainSet&>(snapshot), s); }

}  // namespace

std::unique_ptr<TTrainSet> MakeTrainSet(const TTrainLayout& layout) {
    auto set = std::make_unique<TTrainSet>();
    set->Cells = layout.Cells();
    for (int n = 1; n <= 4; ++n) {
        const TTrainEngine& engine = layout.Record(TTrainLayout::EngineOf(n));
        const TTrainEngine& r = layout.Record(n);
        TTrainSetEntry& entry = set->Entries[static_cast<std::size_t>(n - 1)];
        const bool enginePresent = engine.State == kOnLayout || engine.State == kCrashed;
        entry.Present = enginePresent && (n <= 2 || engine.CarAttached);
        const TPathStep& step = ShapeStep(r.Shape, r.Step);
        entry.X = step.X;
        entry.Y = step.Y;
        entry.Direction = layout.EngineDirection(n);
        entry.TileX = r.TileX;
        entry.TileY = r.TileY;
    }
    return set;
}

TTrainCell ReadTrainCell(TStream& s) {
    TTrainCell cell;
    cell.Column = ReadU8(s);
    cell.Row = ReadU8(s);
    cell.Setting = ReadU8(s);
    cell.Terrain = ReadU8(s);
    cell.Spring = ReadFlag(s);
    Require(cell.Column < kPieceColumns && cell.Row < kPieceRows && cell.Terrain <= 2);
    Require(cell.Setting <= HighestSetting(cell));
    return cell;
}

void WriteTrainCell(TStream& s, const TTrainCell& cell) {
    WriteByte(s, cell.Column);
    WriteByte(s, cell.Row);
    WriteByte(s, cell.Setting);
    WriteByte(s, cell.Terrain);
    WriteByte(s, cell.Spring);
}

std::unique_ptr<TTrainSet> ReadTrainSet(TStream& s) {
    ReadMarker(s, kTrainSetClassId);
    auto set = std::make_unique<TTrainSet>();
    for (auto& column : set->Cells)
        for (TTrainCell& cell : column) cell = ReadTrainCell(s);
    for (TTrainSetEntry& entry : set->Entries) {
        entry.X = static_cast<std::int8_t>(ReadU8(s));
        entry.Y = static_cast<std::int8_t>(ReadU8(s));
        entry.Direction = ReadU8In(s, 0, 31);
        entry.TileX = ReadI32(s);
        entry.TileY = ReadI32(s);
        entry.Present = ReadFlag(s);
    }
    return set;
}

void WriteTrainSet(const TTrainSet& set, TStream& s) {
    WriteByte(s, kTrainSetClassId);
    for (const auto& column : set.Cells)
        for (const TTrainCell& cell : column) WriteTrainCell(s, cell);
    for (const TTrainSetEntry& entry : set.Entries) {
        WriteByte(s, entry.X);
        WriteByte(s, entry.Y);
        WriteByte(s, entry.Direction);
        WriteInteger(s, entry.TileX);
        WriteInteger(s, entry.TileY);
        WriteByte(s, entry.Present);
    }
}

void DrawTrainSet(const TTrainSet& set, TAC8ImageData& image, const TRect& rect, TAC8Library* library) {
    // The pictures and the work picture are the drawing's own and go with it, also when a
    // drawing fails.
    TTrainPictures pictures(library, true);
    const auto work = THotImage::CreateBlank(kTrainFullSize.Width, kTrainFullSize.Height, library);
    TAC8ImageData& trains = work->Image();
    trains.SetTransparency(0, false);
    trains.Blit(TPoint{0, 0}, pictures.Table(), MakeBounds(0, 0, kTrainFullSize.Width, kTrainFullSize.Height));
    for (std::int32_t x = 0; x < kLayoutColumns; ++x)
        for (std::int32_t y = 0; y < kLayoutRows; ++y) DrawTrainCell(trains, pictures, set.Cells, x, y);
    for (int n = 4; n >= 1; --n) {
        const TTrainSetEntry& entry = set.Entries[static_cast<std::size_t>(n - 1)];
        if (!entry.Present || !OnLayout(entry.TileX, entry.TileY)) continue;
        const TPoint origin = TileOrigin(entry.TileX, entry.TileY);
        DrawTrainSprite(trains, pictures, n, TPoint{origin.X + entry.X, origin.Y + entry.Y}, entry.Direction);
    }
    image.StretchBlit(rect, trains, MakeBounds(0, 0, kTrainFullSize.Width, kTrainFullSize.Height));
}

void RegisterTrainSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kTrainSnapshotKind;
    kind.Thumbnail = kTrainThumbnailSize;
    kind.Full = kTrainFullSize;
    kind.Hung = kTrainHungSize;
    kind.Draw = &DrawKind;
    kind.Read = &ReadKind;
    kind.Write = &WriteKind;
    RegisterSnapshotKind(kind);
}
