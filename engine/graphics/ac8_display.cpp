// Drawing surfaces and images on a canvas. Each strip met is drawn with one canvas call
// straight from the image's bytes, bottom strip first; transparency is the canvas's.
#include "engine/graphics/ac8_display.h"

#include <algorithm>
#include <utility>

#include "engine/graphics/ac8_bitmap_header.h"
#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_data.h"
#include "platform/canvas.h"

TAC8BitmapHeader& SharedBitmapHeader() {
    static TAC8BitmapHeader header;
    return header;
}

std::int32_t TAC8ImageData::Display(platform::Canvas& canvas, TPoint destination, TRect rect) {
    if (FPixels == nullptr) return 0;
    if (FBitmapHeader == nullptr) throw AC8Exception("PBMInfo not initialized for Display");
    // Rows off the surface are never read: the rectangle is cut to the surface, and the
    // destination moves with its top-left so the pixels shown stay where they belong.
    if (rect.Right < rect.Left) std::swap(rect.Left, rect.Right);
    if (rect.Bottom < rect.Top) std::swap(rect.Top, rect.Bottom);
    const TRect r = NormaliseRect(rect);
    if (IsRectEmpty(r)) return 0;
    destination.X += r.Left - rect.Left;
    destination.Y += r.Top - rect.Top;

    FBitmapHeader->Width = FWidth;
    std::int32_t y = destination.Y + RectHeight(r);
    std::int32_t total = 0;
    for (std::int32_t k = 0; k < FSegmentCount; ++k) {
        const std::int32_t rows = k + 1 < FSegmentCount ? FSegmentRows : FHeight - (FSegmentCount - 1) * FSegmentRows;
        const std::int32_t stripBottom = FHeight - FSegmentRows * k;  // rows from the top, exclusive
        const TRect piece = IntersectRects(r, TRect{r.Left, stripBottom - rows, r.Right, stripBottom});
        if (IsRectEmpty(piece)) continue;
        y -= RectHeight(piece);
        FBitmapHeader->Height = rows;
        FBitmapHeader->ImageSize = static_cast<std::uint32_t>(FRowStride * rows);
        total += canvas.DrawRows(destination.X, y, RectWidth(piece), RectHeight(piece),
                                 StartLine(piece.Left, piece.Top), -FRowStride, TransparentColour());
    }
    return total;
}

void TAC8ImageData::DisplayDamage(platform::Canvas& canvas, TPoint destination) {
    for (auto* node : NodesOf<TDamageNode>(FDamage))
        Display(canvas, PointAdd(destination, TPoint{node->Rect.Left, node->Rect.Top}), node->Rect);
    FDamage.Clear();
}

namespace {
// Marks a strip as being drawn for the length of one draw, even when the draw throws.
class TInUseMark {
public:
    explicit TInUseMark(TAC8ImageSegment& segment) : FSegment(segment) { FSegment.Flags |= AC8FlagInUse; }
    ~TInUseMark() { FSegment.Flags &= static_cast<std::uint8_t>(~AC8FlagInUse); }
    TInUseMark(const TInUseMark&) = delete;
    TInUseMark& operator=(const TInUseMark&) = delete;

private:
    TAC8ImageSegment& FSegment;
};
}  // namespace

void DrawImageAt(platform::Canvas& canvas, TPoint destination, TAC8Image& image) {
    if (image.StoredState() != AC8StatePlain || image.Pixels() == nullptr) return;
    const auto stride = static_cast<std::ptrdiff_t>(image.RowStride());
    std::int32_t y = image.Height();
    for (std::uint32_t k = 0; k < image.SegmentCount(); ++k) {
        TAC8ImageSegment& segment = image.Segment(k);
        const auto rows = static_cast<std::int32_t>(segment.RowCount());
        y -= rows;
        if ((segment.Flags & AC8FlagInUse) != 0) continue;
        const TInUseMark mark(segment);
        const std::uint8_t* topRow = segment.Lock() + (rows - 1) * stride;
        canvas.DrawRows(destination.X, destination.Y + y, image.Width(), rows, topRow, -stride, -1);
    }
}
