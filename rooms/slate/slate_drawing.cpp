#include "rooms/slate/slate_drawing.h"

#include <algorithm>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/clip_restore.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "rooms/slate/slate_pieces.h"
#include "shell/qe_exception.h"
#include "shell/record_reading.h"

using namespace record_reading;

namespace {

// Stickers added one after another each land this far on from the last, so none hides another.
constexpr TPoint kCascadeStep{5, 3};

// The pixels of one region: the 4-connected area of the seed's colour, marked with `label`
// in `labels`; a seed off the picture marks nothing.
void MarkRegion(TAC8ImageData& image, std::vector<std::int16_t>& labels, const TSlateSeed& seed, std::int16_t label,
                std::vector<std::int32_t>& stack) {
    const std::int32_t w = image.Width(), h = image.Height();
    if (seed.X < 0 || seed.Y < 0 || seed.X >= w || seed.Y >= h) return;
    const auto pixel = [&](std::int32_t x, std::int32_t y) { return *image.StartLine(x, y); };
    const std::uint8_t colour = pixel(seed.X, seed.Y);
    stack.clear();
    stack.push_back(seed.Y * w + seed.X);
    labels[static_cast<std::size_t>(seed.Y * w + seed.X)] = label;
    while (!stack.empty()) {
        const std::int32_t at = stack.back();
        stack.pop_back();
        const std::int32_t x = at % w, y = at / w;
        const std::uint8_t* row = image.StartLine(0, y);
        const auto visit = [&](std::int32_t nx, std::int32_t ny, const std::uint8_t* nrow) {
            const auto i = static_cast<std::size_t>(ny * w + nx);
            if (labels[i] == label || nrow[nx] != colour) return;
            labels[i] = label;
            stack.push_back(ny * w + nx);
        };
        if (x > 0) visit(x - 1, y, row);
        if (x + 1 < w) visit(x + 1, y, row);
        if (y > 0) visit(x, y - 1, image.StartLine(0, y - 1));
        if (y + 1 < h) visit(x, y + 1, image.StartLine(0, y + 1));
    }
}

// Per pixel the last seed whose region holds it, -1 for pixels of no region.
std::vector<std::int16_t> RegionLabels(TAC8ImageData& image, const std::vector<TSlateSeed>& seeds) {
    std::vector<std::int16_t> labels(static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()),
                                     -1);
    std::vector<std::int32_t> stack;
    for (std::size_t k = 0; k < seeds.size(); ++k)
        MarkRegion(image, labels, seeds[k], static_cast<std::int16_t>(k), stack);
    return labels;
}

}  // namespace

// ---- placing seeds and the saved record

std::vector<TSlateSeed> PlacedSeeds(const TSlateMap& map, int index, bool half, bool mirrored) {
    std::vector<TSlateSeed> seeds = map.Record(index).Seeds;
    const std::int32_t width = SlateObjectWidth(index, half);
    for (TSlateSeed& seed : seeds) {
        if (half) seed = TSlateSeed{seed.X / 2, seed.Y / 2, seed.Colour};
        if (mirrored) seed.X = width - seed.X - 1;
    }
    return seeds;
}

TSlateObjectState ReadSlateObjectStream(TStream& s, std::size_t regions) {
    ReadMarker(s, kSlateObjectClassId);
    TSlateObjectState object;
    object.Position.X = ReadI32(s);
    object.Position.Y = ReadI32(s);
    object.Mirrored = ReadFlag(s);
    object.Half = ReadFlag(s);
    object.Colours.resize(regions);
    if (regions > 0) s.ReadExact(object.Colours.data(), regions);
    return object;
}

void WriteSlateObjectStream(TStream& s, const TSlateObjectState& object) {
    WriteByte(s, kSlateObjectClassId);
    WriteInteger(s, object.Position.X);
    WriteInteger(s, object.Position.Y);
    WriteByte(s, object.Mirrored);
    WriteByte(s, object.Half);
    if (!object.Colours.empty()) s.Write(object.Colours.data(), object.Colours.size());
}

TSlateDrawingState ReadSlateDrawingState(TStream& s, const TSlateMap& map) {
    TSlateDrawingState state;
    state.BackgroundIndex = ReadU8In(s, 0, kFirstSticker - 1);
    state.Uncoloured = ReadFlag(s);
    state.Background = ReadSlateObjectStream(s, map.RegionCount(state.BackgroundIndex));
    state.Background.MapIndex = state.BackgroundIndex;
    Require(IsPlainPage(state.Background.Position, state.Background.Mirrored, state.Background.Half));
    const std::uint8_t count = ReadU8In(s, 0, kMaxStickers);
    for (std::uint8_t i = 0; i < count; ++i) {
        const std::uint8_t index = ReadU8In(s, kFirstSticker, kLastSticker);
        TSlateObjectState sticker = ReadSlateObjectStream(s, map.RegionCount(index));
        sticker.MapIndex = index;
        Require(IsWithinReach(sticker.Position));
        state.Stickers.push_back(std::move(sticker));
    }
    return state;
}

void WriteSlateDrawingState(TStream& s, const TSlateDrawingState& state) {
    WriteByte(s, state.BackgroundIndex);
    WriteByte(s, state.Uncoloured);
    WriteSlateObjectStream(s, state.Background);
    WriteByte(s, static_cast<std::uint8_t>(state.Stickers.size()));
    for (const TSlateObjectState& sticker : state.Stickers) {
        WriteByte(s, sticker.MapIndex);
        WriteSlateObjectStream(s, sticker);
    }
}

// ---- objects

TSlateDrawingObject::TSlateDrawingObject() { ClassId = kSlateObjectClassId; }
TSlateDrawingObject::~TSlateDrawingObject() = default;

void TSlateDrawingObject::Assign(std::unique_ptr<THotImage> picture, TSlateMapRecord record) {
    FPicture = std::move(picture);
    FRecord = std::move(record);
    TAC8ImageData& image = FPicture->Image();
    FWidth = image.Width();
    FHeight = image.Height();
}

TAC8ImageData& TSlateDrawingObject::Image() { return FPicture->Image(); }

void TSlateDrawingObject::Draw(TAC8ImageData& surface, TPoint origin) {
    if (!FPicture) return;
    TAC8ImageData& image = Image();
    surface.Blit(PointAdd(origin, Position), image, image.GetBounds());
    if (Selected) surface.FrameRect(OffsetRectBy(Bounds(), origin), kSelectionFrame);
}

TRect TSlateDrawingObject::FillAt(TPoint slatePoint, std::uint8_t colour) {
    if (!FPicture) return TRect{};
    const TPoint p = PointSub(slatePoint, Position);
    if (p.X < 0 || p.Y < 0 || p.X >= FWidth || p.Y >= FHeight) return TRect{};
    TAC8ImageData& image = Image();
    image.ResetClipRect();
    const TRect changed = image.FloodFill(p, colour);
    ReadColoursBack();
    if (IsRectEmpty(changed)) return TRect{};
    return OffsetRectBy(changed, Position);
}

void TSlateDrawingObject::ReadColoursBack() {
    if (!FPicture) return;
    TAC8ImageData& image = Image();
    for (TSlateSeed& seed : FRecord.Seeds)
        if (seed.X >= 0 && seed.Y >= 0 && seed.X < FWidth && seed.Y < FHeight)
            seed.Colour = *image.StartLine(seed.X, seed.Y);
}

void TSlateDrawingObject::PaintRegions() {
    if (!FPicture) return;
    TAC8ImageData& image = Image();
    // Regions are found before any is painted: painting one the colour of its neighbour must
    // not make the neighbour's painting spread into it.
    const std::vector<std::int16_t> labels = RegionLabels(image, FRecord.Seeds);
    for (std::int32_t y = 0; y < FHeight; ++y) {
        std::uint8_t* row = image.StartLine(0, y);
        const std::int16_t* label = &labels[static_cast<std::size_t>(y * FWidth)];
        for (std::int32_t x = 0; x < FWidth; ++x)
            if (label[x] >= 0) row[x] = FRecord.Seeds[static_cast<std::size_t>(label[x])].Colour;
    }
}

std::vector<bool> TSlateDrawingObject::RegionMask() {
    std::vector<bool> mask(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), false);
    if (!FPicture) return mask;
    const std::vector<std::int16_t> labels = RegionLabels(Image(), FRecord.Seeds);
    for (std::size_t i = 0; i < labels.size(); ++i) mask[i] = labels[i] >= 0;
    return mask;
}

void TSlateDrawingObject::SetMirror(bool value) {
    if (value == Mirrored) return;
    if (FPicture) {
        TAC8ImageData& image = Image();
        for (std::int32_t y = 0; y < FHeight; ++y) {
            std::uint8_t* row = image.StartLine(0, y);
            std::reverse(row, row + FWidth);
        }
    }
    for (TSlateSeed& seed : FRecord.Seeds) seed.X = FWidth - seed.X - 1;
    Mirrored = value;
}

void TSlateDrawingObject::SaveToStream(TStream& s) const { WriteSlateObjectStream(s, State()); }

TSlateObjectState TSlateDrawingObject::State() const {
    TSlateObjectState state;
    state.MapIndex = FRecord.Index;
    state.Position = Position;
    state.Mirrored = Mirrored;
    state.Half = Half;
    for (const TSlateSeed& seed : FRecord.Seeds) state.Colours.push_back(seed.Colour);
    return state;
}

void BuildSlateObject(TSlateDrawingObject& into, const TSlateMap& map, const TSlateObjectState& state,
                      bool unfilledPage, TAC8Library* library) {
    TSlateMapRecord record = map.Record(state.MapIndex);
    if (IsStickerIndex(state.MapIndex)) record.Seeds = PlacedSeeds(map, state.MapIndex, state.Half, false);
    for (std::size_t k = 0; k < record.Seeds.size() && k < state.Colours.size(); ++k)
        record.Seeds[k].Colour = state.Colours[k];
    BuildSlateObject(into, std::move(record), state, unfilledPage, library);
}

void BuildSlateObject(TSlateDrawingObject& into, TSlateMapRecord record, const TSlateObjectState& state,
                      bool unfilledPage, TAC8Library* library) {
    const int index = state.MapIndex;
    std::unique_ptr<THotImage> picture;
    if (IsStickerIndex(index)) {
        const bool half = state.Half;
        THotImage sheet(AC8ImageName(StickerSheetName(index, half)), false, library);
        TAC8ImageData& source = sheet.Image();
        const TRect cut = IntersectRects(StickerSourceRect(index, half), source.GetBounds());
        if (IsRectEmpty(cut)) throw QEException("Slate sticker picture missing from its sheet");
        picture = THotImage::CreateCopyRect(source, cut, library);
        picture->Image().SetTransparency(kStickerClear, true);
    } else {
        if (!IsBackgroundIndex(index)) throw QEException("Slate background range error");
        picture = std::make_unique<THotImage>(AC8ImageName(SlatePageName(index, unfilledPage)), true, library);
        picture->Image().SetTransparency(0, false);
    }
    into.Assign(std::move(picture), std::move(record));
    into.Position = state.Position;
    into.Half = state.Half;
    into.Mirrored = false;
    into.PaintRegions();
    into.SetMirror(state.Mirrored);
}

// ---- chart

TSlateDrawingChart::TSlateDrawingChart() : FPixels(static_cast<std::size_t>(kSlateWidth * kSlateHeight), 255) {
    FSlots.fill(255);
}

void TSlateDrawingChart::Clear() {
    std::fill(FPixels.begin(), FPixels.end(), std::uint8_t{255});
    FSlots.fill(255);
}

void TSlateDrawingChart::Add(TSlateDrawingObject& object, int number) {
    std::size_t slot = 0;
    while (slot < FSlots.size() && FSlots[slot] != 255) ++slot;
    if (slot == FSlots.size()) return;
    FSlots[slot] = static_cast<std::uint8_t>(number);
    // Region pixels carry the slot; the object's other opaque pixels (its outlines) cover what
    // lies below and belong to nobody.
    const std::vector<bool> mask = object.RegionMask();
    TAC8ImageData& image = object.Image();
    const std::int32_t clear = image.TransparentColour();
    const TRect on = IntersectRects(object.Bounds(), TRect{0, 0, kSlateWidth, kSlateHeight});
    for (std::int32_t y = on.Top; y < on.Bottom; ++y) {
        const std::int32_t oy = y - object.Position.Y;
        const std::uint8_t* row = image.StartLine(0, oy);
        for (std::int32_t x = on.Left; x < on.Right; ++x) {
            const std::int32_t ox = x - object.Position.X;
            const bool region = mask[static_cast<std::size_t>(oy * object.Width() + ox)];
            if (!region && row[ox] == clear) continue;
            FPixels[static_cast<std::size_t>(y * kSlateWidth + x)] = region ? static_cast<std::uint8_t>(slot) : 255;
        }
    }
}

std::uint8_t TSlateDrawingChart::SlotAt(TPoint p) const {
    if (p.X < 0 || p.Y < 0 || p.X >= kSlateWidth || p.Y >= kSlateHeight) return 255;
    return FPixels[static_cast<std::size_t>(p.Y * kSlateWidth + p.X)];
}

int TSlateDrawingChart::ObjectAt(TPoint p) const {
    const std::uint8_t v = SlotAt(p);
    if (v > 15) return -1;
    const std::uint8_t number = FSlots[v];
    return number == 255 ? -1 : number;
}

// ---- the drawing

TSlateDrawing::TSlateDrawing(TAC8Library* library) : TSlateDrawing(TSlateMap::LoadFromDataFolder(), library) {}

TSlateDrawing::TSlateDrawing(std::shared_ptr<const TSlateMap> map, TAC8Library* library)
    : FMap(std::move(map)), FLibrary(library) {
    Reset();
}

void TSlateDrawing::Reset() {
    FStickers.Clear();
    FBackground.reset();
    FChart.Clear();
    FCascade = TPoint{0, 0};
    TSlateDrawingState state;
    state.Background.Colours.assign(FMap->RegionCount(0), kUnfilledColour);
    FPending = state;
}

TSlateDrawing::~TSlateDrawing() = default;

TAC8Library* TSlateDrawing::Library() const { return FLibrary; }

void TSlateDrawing::SetLibrary(TAC8Library* library) {
    if (library == FLibrary) return;
    FreePictures();
    FLibrary = library;
}

void TSlateDrawing::SetSurface(TAC8ImageData* surface, TPoint origin) {
    FSurface = surface;
    FOrigin = origin;
}

void TSlateDrawing::FreePictures() {
    if (FPending) return;
    FPending = State();
    for (TSlateDrawingObject* sticker : FStickers) sticker->Selected = false;
    FStickers.Clear();
    FBackground.reset();
    FChart.Clear();
}

void TSlateDrawing::Realise() {
    if (!FPending) return;
    const TSlateDrawingState state = *FPending;
    auto background = BuildBackground(state.Background);
    TTypedNodeList<TSlateDrawingObject> stickers;
    for (const TSlateObjectState& sticker : state.Stickers) stickers.Append(BuildSticker(sticker));
    FBackground = std::move(background);
    FStickers.Clear();
    while (!stickers.IsEmpty()) FStickers.Append(stickers.RemoveFirst());
    FBackgroundIndex = state.BackgroundIndex;
    FUncoloured = state.Uncoloured;
    FPending.reset();
    RebuildChart();
}

std::unique_ptr<TSlateBG> TSlateDrawing::BuildBackground(const TSlateObjectState& state) {
    auto background = std::make_unique<TSlateBG>();
    const bool unfilled = FPending ? FPending->Uncoloured : FUncoloured;
    BuildSlateObject(*background, *FMap, state, unfilled, Library());
    return background;
}

std::unique_ptr<TSlateDrawingObject> TSlateDrawing::BuildSticker(const TSlateObjectState& state) {
    auto sticker = std::make_unique<TSlateDrawingObject>();
    BuildSlateObject(*sticker, *FMap, state, false, Library());
    return sticker;
}

void TSlateDrawing::Draw() {
    if (FSurface == nullptr) return;
    Realise();
    TAC8ImageData& surface = *FSurface;
    const TClipRestore keeper(surface);
    const TRect area = IntersectRects(MakeBounds(FOrigin.X, FOrigin.Y, kSlateWidth, kSlateHeight), surface.ClipRect());
    if (!surface.SetClipRect(area)) return;
    if (FBackground) FBackground->Draw(surface, FOrigin);
    for (TSlateDrawingObject* sticker : FStickers) sticker->Draw(surface, FOrigin);
}

void TSlateDrawing::RedrawRect(const TRect& slateRect) {
    if (FSurface == nullptr || IsRectEmpty(slateRect)) return;
    const TClipRestore keeper(*FSurface);
    if (FSurface->SetClipRect(OffsetRectBy(slateRect, FOrigin))) Draw();
}

void TSlateDrawing::SetBackground(int index, bool uncoloured, platform::RandomNumbers& random) {
    if (!IsBackgroundIndex(index)) throw QEException("Slate background range error");
    Realise();
    TSlateObjectState state;
    state.MapIndex = static_cast<std::uint8_t>(index);
    const std::size_t regions = FMap->RegionCount(index);
    for (std::size_t k = 0; k < regions; ++k) state.Colours.push_back(uncoloured ? kUnfilledColour : RandomSlateColour(random));
    FUncoloured = uncoloured;
    FBackground.reset();
    FBackground = BuildBackground(state);
    FBackgroundIndex = static_cast<std::uint8_t>(index);
    // Random colours given to neighbouring regions alike may have run together.
    FBackground->ReadColoursBack();
    RebuildChart();
    Draw();
}

void TSlateDrawing::Clear() {
    Realise();
    FStickers.Clear();
    RebuildChart();
}

void TSlateDrawing::AddSticker(int index, bool randomColours, platform::RandomNumbers& random) {
    if (!IsStickerIndex(index)) return;
    Realise();
    const TRect cut = StickerSourceRect(index, false);
    const std::int32_t w = RectWidth(cut), h = RectHeight(cut);
    TSlateObjectState state;
    state.MapIndex = static_cast<std::uint8_t>(index);
    state.Position = PointAdd(TPoint{(kSlateWidth - w) / 2, (kSlateHeight - h) / 2}, FCascade);
    const TSlateMapRecord record = FMap->Record(index);
    for (const TSlateSeed& seed : record.Seeds) state.Colours.push_back(randomColours ? RandomSlateColour(random) : seed.Colour);
    auto sticker = BuildSticker(state);
    if (randomColours) sticker->ReadColoursBack();
    FCascade = PointAdd(FCascade, kCascadeStep);
    TSlateDrawingObject* added = FStickers.Append(std::move(sticker));
    FChart.Add(*added, FStickers.CachedCount());
    Draw();
}

int TSlateDrawing::ObjectAt(TPoint point) {
    Realise();
    return FChart.ObjectAt(point);
}

void TSlateDrawing::Fill(TPoint point, std::uint8_t colour) {
    Realise();
    const int number = FChart.ObjectAt(point);
    if (number < 0) return;
    TSlateDrawingObject* object = number == 0 ? FBackground.get() : Sticker(number);
    // A chart left behind by a drag whose release was lost may name an object that has moved
    // away: only a point on the object itself colours it.
    if (object == nullptr || !PtInRect(object->Bounds(), point)) return;
    const TRect changed = object->FillAt(point, colour);
    RedrawRect(changed);
    FCascade = TPoint{0, 0};
}

TSlateDrawingObject* TSlateDrawing::Sticker(int n) {
    if (n < 1 || n > StickerCount()) return nullptr;
    Realise();
    return FStickers.GetNode(n);
}

TSlateBG* TSlateDrawing::Background() {
    Realise();
    return FBackground.get();
}

int TSlateDrawing::StickerCount() const {
    return FPending ? static_cast<int>(FPending->Stickers.size()) : FStickers.CachedCount();
}

std::uint8_t TSlateDrawing::BackgroundIndex() const { return FPending ? FPending->BackgroundIndex : FBackgroundIndex; }
bool TSlateDrawing::Uncoloured() const { return FPending ? FPending->Uncoloured : FUncoloured; }

bool TSlateDrawing::HitSticker(TPoint point, int n, TPoint* offset) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr || !PtInRect(sticker->Bounds(), point)) return false;
    if (offset != nullptr) *offset = PointSub(point, sticker->Position);
    return true;
}

void TSlateDrawing::MoveSticker(TPoint topLeft, int n, bool final) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr) return;
    const std::int32_t w = sticker->Width(), h = sticker->Height();
    // At least ten pixels of the sticker stay on the slate.
    const TPoint at{std::clamp(topLeft.X, 10 - w, kSlateWidth - 10), std::clamp(topLeft.Y, 10 - h, kSlateHeight - 10)};
    const TRect old = sticker->Bounds();
    sticker->Position = at;
    const TRect now = sticker->Bounds();
    if (!IsRectEmpty(IntersectRects(old, now))) {
        RedrawRect(UnionRects(old, now));
    } else {
        RedrawRect(old);
        RedrawRect(now);
    }
    if (final) RebuildChart();
    FCascade = TPoint{0, 0};
}

void TSlateDrawing::ClearColouring(int n) {
    Realise();
    TSlateDrawingObject* object = n == 0 ? FBackground.get() : Sticker(n);
    if (object == nullptr) return;
    const std::uint8_t colour = n == 0 ? kUnfilledColour : kUncolouredSticker;
    for (TSlateSeed& seed : object->Record().Seeds) seed.Colour = colour;
    object->PaintRegions();
    RedrawRect(object->Bounds());
}

void TSlateDrawing::ToggleMirror(int n) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr) return;
    sticker->SetMirror(!sticker->Mirrored);
    RedrawRect(sticker->Bounds());
    RebuildChart();
}

void TSlateDrawing::SetHalf(int n, bool keepPlace) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr) return;
    const bool half = !sticker->Half || keepPlace;
    const TRect old = sticker->Bounds();
    TSlateObjectState state = sticker->State();
    state.Half = half;
    const TRect cut = StickerSourceRect(state.MapIndex, half);
    if (!keepPlace)
        state.Position = TPoint{old.Left + (RectWidth(old) - RectWidth(cut)) / 2,
                                old.Top + (RectHeight(old) - RectHeight(cut)) / 2};
    const bool selected = sticker->Selected;
    BuildSlateObject(*sticker, *FMap, state, false, Library());
    sticker->Selected = selected;
    const TRect now = sticker->Bounds();
    RedrawRect(RectWidth(now) < RectWidth(old) ? old : now);
    RebuildChart();
}

void TSlateDrawing::BringToFront(int n) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr) return;
    FStickers.Append(FStickers.Remove(sticker));
    RedrawRect(sticker->Bounds());
    RebuildChart();
}

void TSlateDrawing::DeleteSticker(int n) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr) return;
    const TRect old = sticker->Bounds();
    const std::unique_ptr<TSlateDrawingObject> gone = FStickers.Remove(sticker);
    RedrawRect(old);
    RebuildChart();
    FCascade = TPoint{0, 0};
}

bool TSlateDrawing::GetMapIndex(int n, std::uint8_t& index) const {
    if (n < 1 || n > StickerCount()) return false;
    index = FPending ? FPending->Stickers[static_cast<std::size_t>(n - 1)].MapIndex
                     : FStickers.GetNode(n)->Record().Index;
    return true;
}

bool TSlateDrawing::IsMirrored(int n) const {
    if (n < 1 || n > StickerCount()) return false;
    return FPending ? FPending->Stickers[static_cast<std::size_t>(n - 1)].Mirrored : FStickers.GetNode(n)->Mirrored;
}

bool TSlateDrawing::IsHalf(int n) const {
    if (n < 1 || n > StickerCount()) return false;
    return FPending ? FPending->Stickers[static_cast<std::size_t>(n - 1)].Half : FStickers.GetNode(n)->Half;
}

void TSlateDrawing::SetSelected(int n, bool value) {
    TSlateDrawingObject* sticker = Sticker(n);
    if (sticker == nullptr) return;
    sticker->Selected = value;
    RedrawRect(sticker->Bounds());
}

void TSlateDrawing::RebuildChart() {
    Realise();
    FChart.Clear();
    if (FBackground) FChart.Add(*FBackground, 0);
    int number = 0;
    for (TSlateDrawingObject* sticker : FStickers) FChart.Add(*sticker, ++number);
}

TSlateDrawingState TSlateDrawing::State() const {
    if (FPending) return *FPending;
    TSlateDrawingState state;
    state.BackgroundIndex = FBackgroundIndex;
    state.Uncoloured = FUncoloured;
    if (FBackground) state.Background = FBackground->State();
    state.Background.MapIndex = FBackgroundIndex;
    for (const TSlateDrawingObject* sticker : FStickers) state.Stickers.push_back(sticker->State());
    return state;
}

void TSlateDrawing::ReadFromStream(TStream& s) { SetState(ReadSlateDrawingState(s, *FMap)); }

void TSlateDrawing::SetState(TSlateDrawingState state) {
    FSurface = nullptr;
    FStickers.Clear();
    FBackground.reset();
    FChart.Clear();
    // Each sticker read counts as one added: the next one lands a step further on.
    FCascade = TPoint{kCascadeStep.X * static_cast<std::int32_t>(state.Stickers.size()),
                      kCascadeStep.Y * static_cast<std::int32_t>(state.Stickers.size())};
    FPending = std::move(state);
}

void TSlateDrawing::WriteToStream(TStream& s) const { WriteSlateDrawingState(s, State()); }
