#include "rooms/tree/tree_snapshot.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/tree/tree.h"
#include "shell/room_world.h"

namespace {

// The part of the tree's drawing the album shows: the tree and its pot, without the strip
// of wall on the left and the floor's last rows.
constexpr TRect kShownPart{15, 0, 225, 311};

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
    (void)world;
    (void)copy;
    return false;
}
