#include "rooms/tree/tree_snapshot.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/tree/tree.h"
#include "shell/room_world.h"

namespace {

// The part of the tree's drawing the album shows: the tree and its pot, without the strip
// of wall on the left and the floor's last rows.
constexpr TRect kShownPart{15, 0, 225, 311};

// The album keeps a copy of the tree as it stood at the snapshot.
class TTreeSnapshot final : public TSnapshot {
public:
    explicit TTreeSnapshot(std::unique_ptr<TTree> tree) : Tree(std::move(tree)) {}
    std::unique_ptr<TTree> Tree;
};

// The album dispatches by kind, so a snapshot of kind 11 is always a tree's.
TTree& TreeOf(TSnapshot& snapshot) { return *static_cast<TTreeSnapshot&>(snapshot).Tree; }

void DrawTreeKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    TTree& tree = TreeOf(snapshot);
    tree.SetLibrary(&library);
    DrawTreeSnapshot(tree, surface, rect);
}

std::unique_ptr<TSnapshot> ReadTreeKind(TStream& s) { return std::make_unique<TTreeSnapshot>(ReadTreeSnapshot(s)); }

void WriteTreeKind(const TSnapshot& snapshot, TStream& s) {
    WriteTreeSnapshot(*static_cast<const TTreeSnapshot&>(snapshot).Tree, s);
}

}  // namespace

void DrawTreeSnapshot(TTree& tree, TAC8ImageData& target, const TRect& rect) {
    const auto picture = THotImage::CreateBlank(kTreeFullSize.Width, kTreeFullSize.Height, tree.Library());
    TAC8ImageData& canvas = picture->Image();
    canvas.SetTransparency(0, false);
    try {
        tree.Draw(canvas, TPoint{0, 0});
        target.StretchBlit(rect, canvas, kShownPart);
    } catch (...) {
        tree.ReleasePictures();
        throw;
    }
    // The canvas goes away here: the tree must not keep it as its last drawing.
    tree.ReleasePictures();
}

std::unique_ptr<TTree> ReadTreeSnapshot(TStream& s, TAC8Library* library) {
    auto tree = std::make_unique<TTree>(library);
    tree->ReadFromStream(s);
    return tree;
}

void WriteTreeSnapshot(const TTree& tree, TStream& s) { tree.WriteToStream(s); }

bool HandTreeToAlbum(TRoomWorld& world, std::unique_ptr<TTree> copy) {
    if (copy == nullptr) return false;
    return HandSnapshotToAlbum(world, std::make_unique<TTreeSnapshot>(std::move(copy)), kTreeSnapshotKind);
}

void RegisterTreeSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kTreeSnapshotKind;
    kind.Thumbnail = {kTreeThumbnailSize.Width, kTreeThumbnailSize.Height};
    kind.Full = {kTreeFullSize.Width, kTreeFullSize.Height};
    kind.Hung = {kTreeHungSize.Width, kTreeHungSize.Height};
    kind.Draw = &DrawTreeKind;
    kind.Read = &ReadTreeKind;
    kind.Write = &WriteTreeKind;
    RegisterSnapshotKind(kind);
}
