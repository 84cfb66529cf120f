#include "rooms/dolls/doll_snapshot.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "engine/graphics/picture_handles.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/dolls/doll.h"
#include "shell/room_world.h"

namespace {

class TDollSnapshot final : public TSnapshot {
public:
    explicit TDollSnapshot(std::unique_ptr<TDoll> doll) : Doll(std::move(doll)) {}
    std::unique_ptr<TDoll> Doll;
};

void DrawDollKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    DrawDollSnapshot(*static_cast<TDollSnapshot&>(snapshot).Doll, surface, rect, library);
}

std::unique_ptr<TSnapshot> ReadDollKind(TStream& s) {
    auto doll = std::make_unique<TDoll>();
    doll->ReadFromStream(s);
    return std::make_unique<TDollSnapshot>(std::move(doll));
}

void WriteDollKind(const TSnapshot& snapshot, TStream& s) {
    static_cast<const TDollSnapshot&>(snapshot).Doll->WriteToStream(s);
}

}  // namespace

void DrawDollSnapshot(const TDoll& doll, TAC8ImageData& target, const TRect& rect, TAC8Library& library) {
    const TPictureHandle sheet(library, AC8ImageName(kDollSheetName));
    const auto picture = THotImage::CreateBlank(kDollFullSize.Width, kDollFullSize.Height, &library);
    TAC8ImageData& canvas = picture->Image();
    canvas.SetTransparency(0, false);
    canvas.FillRect(canvas.GetBounds(), 0);
    doll.Draw(canvas, *sheet, kDollPictureOrigin);
    target.StretchBlit(rect, canvas, canvas.GetBounds());
}

bool HandDollToAlbum(TRoomWorld& world, std::unique_ptr<TDoll> copy) {
    if (copy == nullptr) return false;
    return HandSnapshotToAlbum(world, std::make_unique<TDollSnapshot>(std::move(copy)), kDollSnapshotKind);
}

const TDoll* DollOfSnapshot(std::uint8_t kind, const TSnapshot& snapshot) {
    if (kind != kDollSnapshotKind) return nullptr;
    const auto* doll = dynamic_cast<const TDollSnapshot*>(&snapshot);
    return doll != nullptr ? doll->Doll.get() : nullptr;
}

void RegisterDollSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kDollSnapshotKind;
    kind.Thumbnail = {kDollThumbnailSize.Width, kDollThumbnailSize.Height};
    kind.Full = {kDollFullSize.Width, kDollFullSize.Height};
    kind.Hung = {kDollHungSize.Width, kDollHungSize.Height};
    // The doll stands on black; on paper that would waste ink.
    kind.WhitePrintBackground = true;
    kind.Draw = &DrawDollKind;
    kind.Read = &ReadDollKind;
    kind.Write = &WriteDollKind;
    RegisterSnapshotKind(kind);
}
