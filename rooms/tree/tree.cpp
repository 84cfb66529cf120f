#include "rooms/tree/tree.h"

#include <algorithm>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/clip_restore.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "platform/random.h"
#include "rooms/tree/tree_pictures.h"
#include "shell/record_reading.h"

using namespace record_reading;

namespace {

// Behind a bauble being dragged, and its outline.
constexpr std::uint8_t kSelectedFill = 40;
constexpr std::uint8_t kSelectedOutline = 11;

bool Intersects(const TRect& a, const TRect& b) { return !IsRectEmpty(IntersectRects(a, b)); }

}  // namespace

TTree::TTree(TAC8Library* library) : FLibrary(library) {}

TTree::~TTree() = default;

TAC8Library* TTree::Library() const { return FLibrary; }

void TTree::SetLibrary(TAC8Library* library) {
    if (library == FLibrary) return;
    FreePictures();
    FLibrary = library;
}

TAC8ImageData& TTree::TreeImage() {
    if (!FTreePicture) FTreePicture = std::make_unique<THotImage>(AC8ImageName("tree"), false, Library());
    return FTreePicture->Image();
}

TAC8ImageData& TTree::DecorationImage() {
    if (!FDecorationPicture) FDecorationPicture = std::make_unique<THotImage>(AC8ImageName("treegfx"), false, Library());
    return FDecorationPicture->Image();
}

std::int32_t TTree::PictureWidth() { return TreeImage().Width(); }
std::int32_t TTree::PictureHeight() { return TreeImage().Height(); }

void TTree::ReleasePictures() {
    FLastSurface.Reset();
    if (FTreePicture) FTreePicture->Release();
    if (FDecorationPicture) FDecorationPicture->Release();
}

void TTree::FreePictures() {
    FLastSurface.Reset();
    FTreePicture.reset();
    FDecorationPicture.reset();
}

std::unique_ptr<TTree> TTree::Clone() const {
    auto copy = std::make_unique<TTree>(FLibrary);
    copy->FTopChoice = FTopChoice;
    copy->FLights = FLights;
    copy->FTinsel = FTinsel;
    copy->FBulbCounters = FBulbCounters;
    for (const TBauble* bauble : FBaubles)
        copy->FBaubles.Append(std::make_unique<TBauble>(bauble->Kind, bauble->Position));
    return copy;
}

// ---- decorations

void TTree::SetTopChoice(std::uint8_t choice) {
    if (choice <= kTreeTopChoiceCount) FTopChoice = choice;
}

void TTree::SetLightString(int number, bool on) {
    if (number >= 1 && number <= kTreeStringCount) FLights[static_cast<std::size_t>(number - 1)] = on;
}

void TTree::SetTinsel(int number, bool on) {
    if (number >= 1 && number <= kTreeStringCount) FTinsel[static_cast<std::size_t>(number - 1)] = on;
}

bool TTree::LightString(int number) const {
    return number >= 1 && number <= kTreeStringCount && FLights[static_cast<std::size_t>(number - 1)];
}

bool TTree::Tinsel(int number) const {
    return number >= 1 && number <= kTreeStringCount && FTinsel[static_cast<std::size_t>(number - 1)];
}

bool TTree::BulbExists(int bulb) const {
    TPoint at;
    return TreeBulbPoint(bulb, at) && LightString(TreeBulbString(bulb));
}

std::uint8_t TTree::BulbCounter(int bulb) const {
    return bulb >= 1 && bulb <= kTreeBulbCount ? FBulbCounters[static_cast<std::size_t>(bulb - 1)] : 0;
}

bool TTree::BulbLit(int bulb) const { return BulbExists(bulb) && BulbCounter(bulb) > 0; }

void TTree::SetBulbCounter(int bulb, std::uint8_t ticks) {
    if (bulb >= 1 && bulb <= kTreeBulbCount && bulb != 27) FBulbCounters[static_cast<std::size_t>(bulb - 1)] = ticks;
}

// ---- drawing

void TTree::Draw(TAC8ImageData& surface, TPoint origin) {
    TAC8ImageData& tree = TreeImage();
    TAC8ImageData& decoration = DecorationImage();
    const TRect clip = surface.ClipRect();
    surface.Blit(origin, tree, tree.GetBounds());
    for (int garland = 1; garland <= kTreeStringCount; ++garland) {
        if (!Tinsel(garland)) continue;
        const TTreePiece& piece = TreeTinselPiece(garland);
        surface.Blit(PointAdd(origin, piece.At), decoration, piece.Source);
    }
    for (int bulb = 1; bulb <= kTreeBulbCount; ++bulb) {
        TPoint at;
        if (!BulbExists(bulb) || !TreeBulbPoint(bulb, at)) continue;
        at = PointAdd(origin, at);
        if (!Intersects(MakeBounds(at.X, at.Y, kTreeBulbSize, kTreeBulbSize), clip)) continue;
        surface.Blit(at, decoration, TreeBulbSource(bulb, BulbCounter(bulb) > 0));
    }
    if (FTopChoice >= 1 && FTopChoice <= kTreeTopChoiceCount) {
        const TTreePiece& piece = TreeTopPiece(FTopChoice);
        surface.Blit(PointAdd(origin, piece.At), decoration, piece.Source);
    }
    for (const TBauble* bauble : FBaubles) {
        // A drag step redraws two small rectangles over a full tree: skip what lies outside.
        if (Intersects(OffsetRectBy(bauble->Bounds(), origin), clip)) DrawBauble(surface, origin, *bauble);
    }
    // Held, so the oldest bauble's going can be drawn on it while it is shown.
    if (FLastSurface.Get() != &surface) FLastSurface = TPictureHandle::OfSurface(surface);
    FLastOrigin = origin;
}

void TTree::DrawBauble(TAC8ImageData& surface, TPoint origin, const TBauble& bauble) {
    const TRect rect = OffsetRectBy(bauble.Bounds(), origin);
    if (bauble.Selected) surface.FillRect(rect, kSelectedFill);
    if (!bauble.OffTree) surface.Blit(TPoint{rect.Left, rect.Top}, DecorationImage(), BaubleSourceRect(bauble.Kind));
    if (bauble.Selected) surface.FrameRect(rect, kSelectedOutline);
}

void TTree::RedrawClipped(TAC8ImageData& surface, TPoint origin, const TRect& treeRect) {
    if (surface.SetClipRect(OffsetRectBy(treeRect, origin))) Draw(surface, origin);
}

void TTree::Twinkle(TAC8ImageData& surface, TPoint origin, platform::RandomNumbers& random) {
    const TClipRestore keeper(surface);
    const auto bulbSquare = [](int bulb) {
        TPoint at;
        TreeBulbPoint(bulb, at);
        return MakeBounds(at.X, at.Y, kTreeBulbSize, kTreeBulbSize);
    };
    for (int bulb = 1; bulb <= kTreeBulbCount; ++bulb) {
        std::uint8_t& counter = FBulbCounters[static_cast<std::size_t>(bulb - 1)];
        if (counter == 0) continue;
        if (--counter == 0 && bulb != 27) RedrawClipped(surface, origin, bulbSquare(bulb));
    }
    for (int pick = 0; pick < 2; ++pick) {
        const int bulb = random.Next(kTreeBulbCount) + 1;
        std::uint8_t& counter = FBulbCounters[static_cast<std::size_t>(bulb - 1)];
        if (counter != 0 || !BulbExists(bulb)) continue;
        counter = static_cast<std::uint8_t>(random.Next(8) + 5);
        RedrawClipped(surface, origin, bulbSquare(bulb));
    }
}

// ---- baubles

TBauble* TTree::FirstSelected() const {
    return FBaubles.Find([](const TBauble& bauble) { return bauble.Selected; });
}

void TTree::ClearSelection() {
    if (TBauble* selected = FirstSelected()) selected->Selected = false;
}

TBauble* TTree::BaubleAt(TPoint point) const {
    for (TBauble* bauble = FBaubles.Last(); bauble != nullptr; bauble = FBaubles.Prev(bauble))
        if (PtInRect(bauble->Bounds(), point)) return bauble;
    return nullptr;
}

void TTree::AddBauble(std::uint8_t kind) {
    if (kind < 1 || kind > kBaubleKindCount) return;
    ClearSelection();
    if (FBaubles.CachedCount() >= kTreeMaxBaubles) {
        const std::unique_ptr<TBauble> oldest = FBaubles.RemoveFirst();
        const TRect gone = oldest->Bounds();
        if (TAC8ImageData* surface = LastSurface()) {
            const TClipRestore keeper(*surface);
            RedrawClipped(*surface, FLastOrigin, gone);
        }
    }
    const TPoint position{PictureWidth() / 2 + FNextOffset.X, PictureHeight() / 2 + FNextOffset.Y};
    FNextOffset = PointAdd(FNextOffset, TPoint{2, 2});
    if (FNextOffset.X > 50) FNextOffset = PointSub(FNextOffset, TPoint{50, 60});
    if (FNextOffset.Y < -50) FNextOffset = TPoint{0, 0};
    auto bauble = std::make_unique<TBauble>(kind, position);
    bauble->Selected = true;
    FBaubles.Append(std::move(bauble));
}

bool TTree::MouseEvent(TAC8ImageData& surface, TPoint point, TControlEventKind kind, TPoint origin) {
    if (kind != TControlEventKind::Down && kind != TControlEventKind::Drag && kind != TControlEventKind::Up)
        return false;
    const TClipRestore keeper(surface);
    if (kind == TControlEventKind::Down) {
        if (TBauble* selected = FirstSelected()) {
            selected->Selected = false;
            RedrawClipped(surface, origin, selected->Bounds());
        }
        TBauble* picked = BaubleAt(point);
        if (picked == nullptr) return false;
        FGrabOffset = PointSub(point, picked->Position);
        FNextOffset = TPoint{0, 0};
        picked->Selected = true;
        RedrawClipped(surface, origin, picked->Bounds());
        return true;
    }

    TBauble* bauble = FirstSelected();
    if (bauble == nullptr) return false;
    // Out of the way while its old place is drawn again without it.
    const TRect old = bauble->Bounds();
    bauble->Position = TPoint{surface.Width() - origin.X, surface.Height() - origin.Y};
    RedrawClipped(surface, origin, old);

    TPoint position = PointSub(point, FGrabOffset);
    position.X = std::max(position.X, 0);
    position.Y = std::max(position.Y, 0);
    position.X = std::min(position.X, PictureWidth() - RectWidth(BaubleSourceRect(bauble->Kind)));
    bauble->Position = position;
    bauble->Selected = kind == TControlEventKind::Drag;
    bauble->OffTree = !IsOnBranches(position);
    const TRect now = bauble->Bounds();
    if (kind == TControlEventKind::Up && bauble->OffTree) FBaubles.Remove(bauble);  // freed here
    RedrawClipped(surface, origin, now);
    return kind == TControlEventKind::Drag;
}

// ---- stream

void TTree::WriteToStream(TStream& s) const {
    WriteByte(s, FTopChoice);
    for (const bool on : FLights) WriteByte(s, static_cast<std::uint8_t>(on ? 1 : 0));
    for (const bool on : FTinsel) WriteByte(s, static_cast<std::uint8_t>(on ? 1 : 0));
    // The node stream: a count, then each bauble's class id and fields.
    const std::int32_t count = FBaubles.CachedCount();
    WriteWord(s, static_cast<std::uint16_t>(count));
    for (const TBauble* bauble : FBaubles) bauble->SaveToStream(s);
}

void TTree::ReadFromStream(TStream& s) {
    const std::uint8_t top = ReadU8In(s, 0, kTreeTopChoiceCount);
    std::array<bool, kTreeStringCount> lights{}, tinsel{};
    for (bool& on : lights) on = ReadFlag(s);
    for (bool& on : tinsel) on = ReadFlag(s);
    // Only baubles may stand in this list, and never more than the tree can hold.
    const std::uint16_t count = ReadU16In(s, 0, kTreeMaxBaubles);
    TTypedNodeList<TBauble> baubles;
    for (std::uint16_t i = 0; i < count; ++i) {
        ReadMarker(s, kBaubleClassId);
        auto bauble = std::make_unique<TBauble>();
        bauble->LoadFromStream(s);
        baubles.Append(std::move(bauble));
    }

    FTopChoice = top;
    FLights = lights;
    FTinsel = tinsel;
    FBaubles.Clear();
    while (!baubles.IsEmpty()) FBaubles.Append(baubles.RemoveFirst());
    FNextOffset = TPoint{0, 0};
}
