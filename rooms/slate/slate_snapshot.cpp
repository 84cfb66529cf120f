#include "rooms/slate/slate_snapshot.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "rooms/slate/slate_drawing.h"
#include "rooms/slate/slate_pieces.h"
#include "shell/record_reading.h"
#include "shell/room_world.h"

using namespace record_reading;

namespace {

TSlateObjectState StateOf(const TStaticSlateObject& object) {
    TSlateObjectState state;
    state.MapIndex = object.MapIndex;
    state.Position = object.Position;
    state.Mirrored = object.Mirrored;
    state.Half = object.Half;
    return state;
}

// The snapshot's record keeps its seeds where they lie in the mirrored picture; the picture
// is built unmirrored and mirrored after its regions are painted.
TSlateMapRecord UnmirroredRecord(const TStaticSlateObject& object) {
    TSlateMapRecord record = object.Record;
    if (object.Mirrored) {
        const std::int32_t width = SlateObjectWidth(object.MapIndex, object.Half);
        for (TSlateSeed& seed : record.Seeds) seed.X = width - seed.X - 1;
    }
    return record;
}

void DrawSlateKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    DrawStaticSlate(static_cast<TStaticSlateDrawing&>(snapshot), surface, rect, &library);
}

std::unique_ptr<TSnapshot> ReadSlateKind(TStream& s) { return TStaticSlateDrawing::ReadFrom(s); }

void WriteSlateKind(const TSnapshot& snapshot, TStream& s) {
    static_cast<const TStaticSlateDrawing&>(snapshot).WriteTo(s);
}

}  // namespace

TStaticSlateDrawing::TStaticSlateDrawing(const TSlateDrawing& drawing) {
    const TSlateMap& map = drawing.Map();
    const TSlateDrawingState state = drawing.State();
    const auto add = [&](const TSlateObjectState& object) {
        auto copy = std::make_unique<TStaticSlateObject>();
        copy->MapIndex = object.MapIndex;
        copy->Mirrored = object.Mirrored;
        copy->Half = object.Half;
        copy->Position = object.Position;
        copy->Record = map.Record(object.MapIndex);
        copy->Record.Seeds = PlacedSeeds(map, object.MapIndex, object.Half, object.Mirrored);
        for (std::size_t k = 0; k < copy->Record.Seeds.size() && k < object.Colours.size(); ++k)
            copy->Record.Seeds[k].Colour = object.Colours[k];
        FObjects.Append(std::move(copy));
    };
    add(state.Background);
    for (const TSlateObjectState& sticker : state.Stickers) add(sticker);
}

std::unique_ptr<TStaticSlateDrawing> TStaticSlateDrawing::ReadFrom(TStream& s) {
    std::unique_ptr<TStaticSlateDrawing> snapshot(new TStaticSlateDrawing());
    const std::uint8_t count = ReadU8In(s, 1, kMaxStickers + 1);
    for (std::uint8_t i = 0; i < count; ++i) {
        auto object = std::make_unique<TStaticSlateObject>();
        // The page first, then the stickers.
        object->MapIndex = i == 0 ? ReadU8In(s, 0, kFirstSticker - 1) : ReadU8In(s, kFirstSticker, kLastSticker);
        object->Mirrored = ReadFlag(s);
        object->Half = ReadFlag(s);
        object->Position.X = ReadI32(s);
        object->Position.Y = ReadI32(s);
        Require(i != 0 || IsPlainPage(object->Position, object->Mirrored, object->Half));
        Require(IsWithinReach(object->Position));
        const std::uint16_t size = ReadU16(s);
        Require(size >= 10 && size % 5 == 0);
        const std::size_t regions = (size - 5u) / 5u;
        object->Record.Unused = ReadU16(s);
        Require(ReadU16(s) == regions);
        ReadMarker(s, object->MapIndex);  // the record names its own index
        object->Record.Index = object->MapIndex;
        // The snapshot draws from its own seeds: each must lie in the picture it fills.
        const std::int32_t width = SlateObjectWidth(object->MapIndex, object->Half);
        const std::int32_t height = SlateObjectHeight(object->MapIndex, object->Half);
        for (std::size_t k = 0; k < regions; ++k) {
            TSlateSeed seed;
            seed.X = ReadU16(s);
            seed.Y = ReadU16(s);
            seed.Colour = ReadU8(s);
            Require(seed.X < width && seed.Y < height);
            object->Record.Seeds.push_back(seed);
        }
        snapshot->FObjects.Append(std::move(object));
    }
    return snapshot;
}

void TStaticSlateDrawing::WriteTo(TStream& s) const {
    WriteByte(s, static_cast<std::uint8_t>(FObjects.CachedCount()));
    for (const TStaticSlateObject* object : FObjects) {
        WriteByte(s, object->MapIndex);
        WriteByte(s, object->Mirrored);
        WriteByte(s, object->Half);
        WriteInteger(s, object->Position.X);
        WriteInteger(s, object->Position.Y);
        const std::vector<std::uint8_t> bytes = object->Record.Bytes();
        WriteWord(s, static_cast<std::uint16_t>(bytes.size()));
        s.Write(bytes.data(), bytes.size());
    }
}

void DrawStaticSlate(const TStaticSlateDrawing& snapshot, TAC8ImageData& surface, const TRect& rect,
                     TAC8Library* library) {
    const TStaticSlateObject* page = snapshot.Objects().First();
    if (page == nullptr || !IsBackgroundIndex(page->MapIndex)) return;
    TSlateDrawingObject canvasObject;
    BuildSlateObject(canvasObject, UnmirroredRecord(*page), StateOf(*page), false, library);
    TAC8ImageData& canvas = canvasObject.Image();
    canvas.ResetClipRect();
    for (const TStaticSlateObject* object = snapshot.Objects().Next(page); object != nullptr;
         object = snapshot.Objects().Next(object)) {
        // Each sticker is painted on its own copy, so no colour can run into the page below.
        TSlateDrawingObject sticker;
        BuildSlateObject(sticker, UnmirroredRecord(*object), StateOf(*object), false, library);
        sticker.Draw(canvas, TPoint{0, 0});
    }
    surface.StretchBlit(rect, canvas, canvas.GetBounds());
}

bool HandSlateToAlbum(TRoomWorld& world, const TSlateDrawing& drawing) {
    return HandSnapshotToAlbum(world, std::make_unique<TStaticSlateDrawing>(drawing), kSlateSnapshotKind);
}

void RegisterSlateSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kSlateSnapshotKind;
    kind.Thumbnail = {200, 120};
    kind.Full = {kSlateWidth, kSlateHeight};
    kind.Hung = {117, 71};
    kind.Draw = &DrawSlateKind;
    kind.Read = &ReadSlateKind;
    kind.Write = &WriteSlateKind;
    RegisterSnapshotKind(kind);
}
