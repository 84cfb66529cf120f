#include "engine/graphics/ac8_layer_node.h"

#include <limits>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_data.h"

namespace {
[[noreturn]] void InvalidSize() { throw AC8Exception("AddLayer: invalid layer size"); }

std::int32_t ScaledLength(std::int32_t length, std::uint16_t scale, std::uint16_t divisor) {
    const std::int64_t scaled = (std::int64_t(length) * scale + divisor - 1) / divisor;
    if (scaled <= 0 || scaled > std::int64_t(AC8MaxWidth)) InvalidSize();
    return static_cast<std::int32_t>(scaled);
}
}  // namespace

TAC8LayerNode::TAC8LayerNode(TAC8ImageData& source, const TAC8LayerDesc& desc, const TRect& clipRect)
    : TPriDataNode(desc.Priority, &source),
      X(desc.X),
      Y(desc.Y),
      UseSourceRect(desc.UseSourceRect != 0 && desc.Frame == 0),
      ScaleX(desc.ScaleX),
      ScaleY(desc.ScaleY),
      ScaleDiv(desc.ScaleDiv),
      Frame(desc.Frame),
      ClipRect(clipRect) {
    if (ScaleDiv == 0) InvalidSize();
    if (UseSourceRect) {
        SourceRect = desc.SourceRect;
    } else {
        const std::int64_t top = std::int64_t(source.FrameHeight()) * Frame;
        if (top + source.FrameHeight() > std::numeric_limits<std::int32_t>::max()) InvalidSize();
        SourceRect = TRect{0, static_cast<std::int32_t>(top), source.Width(),
                           static_cast<std::int32_t>(top + source.FrameHeight())};
    }
    const std::int32_t width = ScaledLength(RectWidth(SourceRect), ScaleX, ScaleDiv);
    const std::int32_t height = ScaledLength(RectHeight(SourceRect), ScaleY, ScaleDiv);
    SaveImage = std::make_unique<TAC8Image>();
    SaveImage->Init(AC8ImageName(), static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    SaveData = std::make_unique<TAC8ImageData>(*SaveImage);
}

TAC8LayerNode::~TAC8LayerNode() = default;

TRect TAC8LayerNode::Area() const { return TRect{X, Y, X + SaveData->Width(), Y + SaveData->Height()}; }

TAC8LayerDesc TAC8LayerNode::Desc() const {
    TAC8LayerDesc desc;
    desc.Priority = Priority;
    desc.Frame = Frame;
    desc.ScaleX = ScaleX;
    desc.ScaleY = ScaleY;
    desc.ScaleDiv = ScaleDiv;
    desc.UseSourceRect = UseSourceRect ? 1 : 0;
    desc.Hidden = Visible ? 0 : 1;
    desc.X = X;
    desc.Y = Y;
    desc.SourceRect = SourceRect;
    return desc;
}

TRect TAC8LayerNode::MirrorInSource(TRect r) const {
    const TAC8ImageData& source = Source();
    const std::int32_t w = RectWidth(SourceRect), h = RectHeight(SourceRect);
    if (source.FlipHorizontal) r = TRect{w - r.Right, r.Top, w - r.Left, r.Bottom};
    if (source.FlipVertical) r = TRect{r.Left, h - r.Bottom, r.Right, h - r.Top};
    return r;
}

TRect TAC8LayerNode::AreaOfSourceChange(const TRect& r) const {
    // Into the layer's own coordinates: the part of SourceRect, mirrored as it is drawn.
    TRect l = IntersectRects(OffsetRectBack(r, TPoint{SourceRect.Left, SourceRect.Top}),
                             TRect{0, 0, RectWidth(SourceRect), RectHeight(SourceRect)});
    if (IsRectEmpty(l)) return TRect{};
    l = MirrorInSource(l);
    if (IsScaled()) {
        // The destination columns the stretch writes from source columns [a, b) are
        // [a * ew / qw, b * ew / qw), from the same accumulators StretchBlit walks.
        const std::int64_t qw = RectWidth(SourceRect), qh = RectHeight(SourceRect);
        const std::int64_t ew = SaveData->Width(), eh = SaveData->Height();
        l = TRect{static_cast<std::int32_t>(l.Left * ew / qw), static_cast<std::int32_t>(l.Top * eh / qh),
                  static_cast<std::int32_t>((l.Right * ew + qw - 1) / qw),
                  static_cast<std::int32_t>((l.Bottom * eh + qh - 1) / qh)};
    }
    return IntersectRects(OffsetRectBy(l, TPoint{X, Y}), Area());
}
