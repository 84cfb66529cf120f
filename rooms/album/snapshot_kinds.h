#pragma once
// The kinds of snapshot the album keeps. Each activity room that offers SNAP fills one row of
// this table from its own registration: the sizes the album shows, hangs and prints the
// snapshot at, the routine that draws it, and how it goes into and out of the saved game.
// The album reads only this table, so it never names the room a snapshot came from.
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"

class TAC8ImageData;
class TAC8Library;
class TStream;

// What a room hands to the album: its creation as it stood at the snapshot. The room's own
// snapshot class derives from this; the album owns it from then on.
class TSnapshot {
public:
    virtual ~TSnapshot() = default;
};

struct TSnapshotSize {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    friend bool operator==(const TSnapshotSize&, const TSnapshotSize&) = default;
};

struct TSnapshotKind {
    std::uint8_t Kind = 0;
    TSnapshotSize Thumbnail;  // on an album page
    TSnapshotSize Full;       // printed, before the print's whole-pixel scale
    TSnapshotSize Hung;       // on the living-room wall
    // Wide pictures are printed across this share of the page's width (numerator over
    // denominator); the others across half of it.
    std::int32_t WidePrintShare = 1;
    std::int32_t WidePrintShareOf = 2;
    // The printed picture's background is flood-filled white from its top-left corner (for
    // snapshots drawn on black, whose background would otherwise waste ink).
    bool WhitePrintBackground = false;
    // Draws the snapshot scaled into `rect` of `surface`.
    void (*Draw)(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) = nullptr;
    // A new snapshot read from the saved game; raises on damaged data.
    std::unique_ptr<TSnapshot> (*Read)(TStream& s) = nullptr;
    void (*Write)(const TSnapshot& snapshot, TStream& s) = nullptr;
};

// The kinds a snapshot may have at all; others never occur in a saved game.
bool IsSnapshotKindNumber(std::uint8_t kind);

// Registers (or replaces) a kind; a number outside the snapshot kinds or a row without its
// three routines raises std::invalid_argument.
void RegisterSnapshotKind(const TSnapshotKind& kind);
// The kind's row, or nullptr when no room has registered it.
const TSnapshotKind* FindSnapshotKind(std::uint8_t kind);
// Removes a kind (tests that register their own kind restore the table with it).
void UnregisterSnapshotKind(std::uint8_t kind);

class TRoomWorld;
// An activity room's SNAP: the snapshot goes into the album of the house (the room "ALBUM"),
// which owns it from then on. Without an album, or for a kind no room registered, there is
// nowhere to keep it: it is dropped and false is returned.
bool HandSnapshotToAlbum(TRoomWorld& world, std::unique_ptr<TSnapshot> snapshot, std::uint8_t kind);
