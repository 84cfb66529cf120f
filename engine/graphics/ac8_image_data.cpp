// The surface itself: construction, clipping, row access, damage and the simple fills.
// Copies live in ac8_blit.cpp, the flood fill in ac8_flood_fill.cpp, layers in
// ac8_image_data_layers.cpp and display in ac8_display.cpp.
#include "engine/graphics/ac8_image_data.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_layer_node.h"

TAC8ImageData::TAC8ImageData(TAC8Image& image, TAC8BitmapHeader* bitmapHeader)
    : FPixels(image.Pixels()),
      FSegmentCount(image.Pixels() == nullptr ? 0 : image.SegmentCount()),
      FWidth(image.Pixels() == nullptr ? 0 : image.Width()),
      FHeight(image.Pixels() == nullptr ? 0 : image.Height()),
      FRowStride(static_cast<std::int32_t>(image.RowStride())),
      FSegmentRows(static_cast<std::int32_t>(image.Geometry().RowsPerSegment)),
      FTransparentColour(image.TransparentColour()),
      FHasTransparency(image.HasTransparency()),
      FBitmapHeader(bitmapHeader),
      FClipRect{0, 0, FWidth, FHeight},
      FFrameHeight(FHeight) {}

bool TAC8ImageData::SetClipRect(const TRect& rect) {
    FClipRect = IntersectRects(rect, GetBounds());
    return !IsRectEmpty(FClipRect);
}

void TAC8ImageData::SetTransparency(std::uint8_t index, bool enabled) {
    FTransparentColour = index;
    FHasTransparency = enabled;
}

TRect TAC8ImageData::NormaliseRect(TRect r) const {
    if (r.Right < r.Left) std::swap(r.Left, r.Right);
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, FWidth);
    r.Bottom = std::min(r.Bottom, FHeight);
    // A rectangle wholly off the surface comes out empty, never reversed.
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

TRect TAC8ImageData::ClipForDrawing(const TRect& r) const { return IntersectRects(NormaliseRect(r), FClipRect); }

// ---- row access

namespace {
bool Inside(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return x >= 0 && y >= 0 && x < width && y < height;
}
}  // namespace

const std::uint8_t* TAC8ImageData::StartLine(std::int32_t x, std::int32_t y) const {
    if (!Inside(x, y, FWidth, FHeight)) throw AC8Exception("StartLine: co-ordinates outside drawing area");
    return FPixels + static_cast<std::ptrdiff_t>(FHeight - 1 - y) * FRowStride + x;
}

std::uint8_t* TAC8ImageData::StartLine(std::int32_t x, std::int32_t y) {
    return const_cast<std::uint8_t*>(std::as_const(*this).StartLine(x, y));
}

std::uint8_t* TAC8ImageData::PrevStartLine(std::uint8_t* p, std::int32_t x, std::int32_t& y) {
    if (!Inside(x, y - 1, FWidth, FHeight)) throw AC8Exception("PrevStartLine: co-ordinates outside drawing area");
    --y;
    return p + FRowStride;  // rows are held bottom-up
}

std::uint8_t* TAC8ImageData::NextStartLine(std::uint8_t* p, std::int32_t x, std::int32_t& y) {
    if (!Inside(x, y + 1, FWidth, FHeight)) throw AC8Exception("NextStartLine: co-ordinates outside drawing area");
    ++y;
    return p - FRowStride;
}

void TAC8ImageData::UnlockSegment(std::int32_t x, std::int32_t y) const {
    if (!Inside(x, y, FWidth, FHeight)) throw AC8Exception("UnlockSegment: co-ordinates outside drawing area");
}

// ---- damage and the drawing frame

void TAC8ImageData::AddDamage(const TRect& rect) { FDamage.Add(NormaliseRect(rect)); }

void TAC8ImageData::BeginChange(const TRect& r) {
    if (FBusy == 0) PutBackLayers(nullptr, r);
}

void TAC8ImageData::EndChange(const TRect& r) {
    if (FBusy != 0) return;
    RedrawLayersFrom(static_cast<TAC8LayerNode*>(FLayers.First()), r);
    PropagateToParents(r);
}

// ---- simple drawing

std::uint8_t TAC8ImageData::GetPixel(TPoint p) const { return *StartLine(p.X, p.Y); }

void TAC8ImageData::FillRect(const TRect& rect, std::uint8_t colour) {
    const TRect r = ClipForDrawing(rect);
    BeginChange(r);
    if (!IsRectEmpty(r)) {
        std::uint8_t* row = StartLine(r.Left, r.Top);
        const auto width = static_cast<std::size_t>(r.Right - r.Left);
        for (std::int32_t y = r.Top; y < r.Bottom; ++y, row -= FRowStride) std::memset(row, colour, width);
    }
    EndChange(r);
}

void TAC8ImageData::FrameRect(const TRect& rect, std::uint8_t colour) {
    TRect given = rect;
    if (given.Right < given.Left) std::swap(given.Left, given.Right);
    if (given.Bottom < given.Top) std::swap(given.Top, given.Bottom);
    const TRect r = ClipForDrawing(given);
    BeginChange(r);
    if (!IsRectEmpty(r)) {
        // An edge that clipping cut away belongs to a part of the frame that is not shown.
        const bool leftEdge = r.Left == given.Left;
        const bool rightEdge = r.Right == given.Right;
        std::uint8_t* row = StartLine(r.Left, r.Top);
        const auto width = static_cast<std::size_t>(r.Right - r.Left);
        for (std::int32_t y = r.Top; y < r.Bottom; ++y, row -= FRowStride) {
            if (y == given.Top || y == given.Bottom - 1) {
                std::memset(row, colour, width);
            } else {
                if (leftEdge) row[0] = colour;
                if (rightEdge) row[width - 1] = colour;
            }
        }
    }
    EndChange(r);
}

void TAC8ImageData::HLine(TPoint p, std::int32_t length, std::uint8_t colour) {
    FillRect(TRect{p.X, p.Y, p.X + length, p.Y + 1}, colour);
}

void TAC8ImageData::VLine(TPoint p, std::int32_t length, std::uint8_t colour) {
    FillRect(TRect{p.X, p.Y, p.X + 1, p.Y + length}, colour);
}
