#include "rooms/cards/conc_snapshot.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "rooms/cards/conc_layout.h"
#include "shell/record_reading.h"

namespace {

constexpr std::uint8_t kFormatMarker = 0;

void DrawConcKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    static_cast<const TConcInfo&>(snapshot).Draw(surface, rect, library);
}

std::unique_ptr<TSnapshot> ReadConcKind(TStream& s) { return TConcInfo::Read(s); }

void WriteConcKind(const TSnapshot& snapshot, TStream& s) { static_cast<const TConcInfo&>(snapshot).Write(s); }

}  // namespace

TConcInfo::TConcInfo(const TConcentration& game) {
    for (int face = 0; face < kConcFaces; ++face) FaceShown[static_cast<std::size_t>(face)] = game.FaceShown(face);
}

std::unique_ptr<TConcInfo> TConcInfo::Read(TStream& s) {
    record_reading::ReadMarker(s, kFormatMarker);
    auto info = std::make_unique<TConcInfo>();
    for (bool& shown : info->FaceShown) shown = record_reading::ReadFlag(s);
    return info;
}

void TConcInfo::Write(TStream& s) const {
    WriteByte(s, kFormatMarker);
    for (const bool shown : FaceShown) WriteByte(s, shown);
}

void TConcInfo::Draw(TAC8ImageData& target, const TRect& rect, TAC8Library& library) const {
    // Private copies: the room may hold the shared pictures at the same time.
    THotImage room("conc", true, &library);
    THotImage sheet("concgfx", true, &library);
    TAC8ImageData& canvas = room.Image();
    TAC8ImageData& pieces = sheet.Image();
    for (int face = 0; face < kConcFaces; ++face) {
        const conc_layout::TFacePlace& place = conc_layout::kFaces[static_cast<std::size_t>(face)];
        canvas.Blit(place.At, pieces, FaceShown[static_cast<std::size_t>(face)] ? place.Lit : place.Unlit);
    }
    target.StretchBlit(rect, canvas, conc_layout::kSnapshotPart);
}

void RegisterConcSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kConcSnapshotKind;
    kind.Thumbnail = {200, 121};
    kind.Full = {kConcFullWidth, kConcFullHeight};
    kind.Hung = {117, 71};
    // The card table is printed across three quarters of the page.
    kind.WidePrintShare = 3;
    kind.WidePrintShareOf = 4;
    kind.Draw = &DrawConcKind;
    kind.Read = &ReadConcKind;
    kind.Write = &WriteConcKind;
    RegisterSnapshotKind(kind);
}
