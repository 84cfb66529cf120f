#pragma once
// The slate as an album snapshot (kind 4): a frozen copy that keeps, per object, only its map
// index, flags, position and its record with the region colours, and draws itself back as a
// thumbnail from the library's pictures.
//
// Album stream: object count (byte), then per object: map index, mirrored, half (a byte
// each), position (Int32 x, y), record size (UInt16, 5 + 5n) and the record's bytes.
#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/node_list.h"
#include "foundation/typed_node_list.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/slate/slate_map.h"

class TAC8ImageData;
class TAC8Library;
class TRoomWorld;
class TSlateDrawing;
class TStream;

inline constexpr std::uint8_t kSlateSnapshotKind = 4;

class TStaticSlateObject : public TVekNode {
public:
    std::uint8_t MapIndex = 0;
    bool Mirrored = false;
    bool Half = false;
    TPoint Position;
    TSlateMapRecord Record;
};

class TStaticSlateDrawing : public TSnapshot {
public:
    // The page first, then the stickers in drawing order.
    explicit TStaticSlateDrawing(const TSlateDrawing& drawing);
    // Reads the album stream, checked on its own: the first object a page (index 0..7), at
    // most 15 stickers (8..39), flag bytes 0 or 1, each record of 5 + 5n bytes with at least
    // one region, its own index and every seed inside the picture its index and half flag
    // give. A violation raises "Saved game is damaged.". The snapshot is drawn from these
    // records alone, so it does not change with the installed map.
    static std::unique_ptr<TStaticSlateDrawing> ReadFrom(TStream& s);
    void WriteTo(TStream& s) const;

    const TTypedNodeList<TStaticSlateObject>& Objects() const { return FObjects; }

private:
    TStaticSlateDrawing() = default;
    TTypedNodeList<TStaticSlateObject> FObjects;
};

// The thumbnail: the page and its stickers drawn on a private slate-sized canvas, which is then
// stretched into rect of the surface. Without a page there is no canvas and nothing is drawn.
void DrawStaticSlate(const TStaticSlateDrawing& snapshot, TAC8ImageData& surface, const TRect& rect,
                     TAC8Library* library = nullptr);

// Gives a copy of the drawing to the album of the house; false when there is no album.
bool HandSlateToAlbum(TRoomWorld& world, const TSlateDrawing& drawing);
void RegisterSlateSnapshotKind();
