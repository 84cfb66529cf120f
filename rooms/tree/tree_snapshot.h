#pragma once
// The tree as an album snapshot (kind 11): its sizes in the album, its drawing into a
// rectangle, and its stream (the top choice, the switches and the baubles).
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"

class TAC8ImageData;
class TAC8Library;
class TRoomWorld;
class TStream;
class TTree;

inline constexpr std::uint8_t kTreeSnapshotKind = 11;

struct TTreePictureSize {
    std::int32_t Width;
    std::int32_t Height;
};
inline constexpr TTreePictureSize kTreeThumbnailSize{140, 207};
inline constexpr TTreePictureSize kTreeFullSize{225, 320};
inline constexpr TTreePictureSize kTreeHungSize{48, 71};

// The tree drawn at (0, 0) of a 225 x 320 picture, of which (15, 0)-(225, 311) is stretched
// into the rectangle; the tree lets its pictures go afterwards.
void DrawTreeSnapshot(TTree& tree, TAC8ImageData& target, const TRect& rect);
// A copy of a tree read from an album stream; damage raises "Saved game is damaged.".
std::unique_ptr<TTree> ReadTreeSnapshot(TStream& s, TAC8Library* library = nullptr);
void WriteTreeSnapshot(const TTree& tree, TStream& s);

// Gives the copy to the album of the house (the room "ALBUM"); without an album there is
// nowhere to keep it and it is dropped. Returns whether the album took it.
bool HandTreeToAlbum(TRoomWorld& world, std::unique_ptr<TTree> copy);
// Puts kind 11 into the album's table of snapshot kinds.
void RegisterTreeSnapshotKind();
