#pragma once
// One layer of a surface: another surface (the source) shown on top of it at a position,
// in priority order, with a save-under buffer holding what lies beneath it.
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "foundation/priority_list.h"

class TAC8Image;
class TAC8ImageData;

// What AddLayer is given and GetLayerNodeDesc returns.
struct TAC8LayerDesc {
    std::uint16_t Priority = 0;
    std::uint16_t Frame = 0;
    std::uint16_t ScaleX = 1;
    std::uint16_t ScaleY = 1;
    std::uint16_t ScaleDiv = 1;
    std::uint8_t UseSourceRect = 0;
    std::uint8_t Hidden = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    TRect SourceRect;
};

class TAC8LayerNode : public TPriDataNode {
public:
    // The layer starts hidden. Raises AC8Exception ("AddLayer: invalid layer size") when
    // ScaleDiv is 0 or the scaled size is empty or too large for an image.
    TAC8LayerNode(TAC8ImageData& source, const TAC8LayerDesc& desc, const TRect& clipRect);
    ~TAC8LayerNode() override;

    TAC8ImageData& Source() const { return *static_cast<TAC8ImageData*>(Data); }
    bool IsScaled() const { return ScaleX != ScaleDiv || ScaleY != ScaleDiv; }
    // The part of the parent the layer covers: the save-under's bounds at X, Y.
    TRect Area() const;
    TAC8LayerDesc Desc() const;
    // A rectangle of the layer (coordinates from its top-left, unscaled) mirrored by the
    // source's flips, as the redraw maps it into SourceRect.
    TRect MirrorInSource(TRect r) const;
    // The part of the parent that a change of rectangle r of the source shows in.
    TRect AreaOfSourceChange(const TRect& r) const;

    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool Visible = false;
    bool UseSourceRect = false;
    std::unique_ptr<TAC8Image> SaveImage;
    std::unique_ptr<TAC8ImageData> SaveData;
    std::uint16_t ScaleX = 1;
    std::uint16_t ScaleY = 1;
    std::uint16_t ScaleDiv = 1;
    std::uint16_t Frame = 0;
    TRect ClipRect;    // the parent's bounds when added; never drawn outside
    TRect SourceRect;  // the part of the source shown
};
