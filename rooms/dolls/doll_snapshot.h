#pragma once
// The doll as an album snapshot (kind 2): its sizes in the album, its drawing into a
// rectangle, and its stream.
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"

class TAC8ImageData;
class TAC8Library;
class TRoomWorld;
class TDoll;
class TSnapshot;

inline constexpr std::uint8_t kDollSnapshotKind = 2;

struct TDollPictureSize {
    std::int32_t Width;
    std::int32_t Height;
};
inline constexpr TDollPictureSize kDollThumbnailSize{132, 207};
inline constexpr TDollPictureSize kDollFullSize{122, 192};
inline constexpr TDollPictureSize kDollHungSize{45, 71};
// Where the doll's origin lies in its full-size picture.
inline constexpr TPoint kDollPictureOrigin{10, 15};

// The doll drawn at its place on a black picture of the full size, stretched into the
// rectangle; the pieces come from the library's doll sheet.
void DrawDollSnapshot(const TDoll& doll, TAC8ImageData& target, const TRect& rect, TAC8Library& library);

// Gives a copy of the doll to the album of the house; without an album it is dropped.
// Returns whether the album took it.
bool HandDollToAlbum(TRoomWorld& world, std::unique_ptr<TDoll> copy);
// The doll kept by an album entry of kind 2, or nullptr for an entry of another kind.
const TDoll* DollOfSnapshot(std::uint8_t kind, const TSnapshot& snapshot);
// Puts kind 2 into the album's table of snapshot kinds.
void RegisterDollSnapshotKind();
