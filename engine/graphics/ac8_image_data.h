#pragma once
// The 8-bit drawing surface over one image's pixels. Every room, control and font draws
// through it. Each drawing operation clips to ClipRect, keeps the surface's layers intact
// and records the changed rectangle as damage, from which the screen is updated.
//
// Coordinates are pixels, (0, 0) top left, y downward; rectangles are half-open. The pixels
// belong to the image: one bottom-up buffer, strips end to end (see ac8_image.h). The
// surface keeps the strip geometry because the display draws strip by strip.
#include <cstdint>

#include "engine/graphics/damage_list.h"
#include "foundation/geometry.h"
#include "foundation/node_list.h"
#include "foundation/priority_list.h"

class TAC8Image;
class TAC8LayerNode;
class TImageNode;
struct TAC8LayerDesc;
struct TAC8BitmapHeader;

namespace platform {
class Canvas;
}

class TAC8ImageData {
public:
    // A surface over the image's decoded pixels, with its size and transparency. A surface
    // that is shown gets the shared bitmap header (SharedBitmapHeader, ac8_bitmap_header.h); one
    // without a header cannot be displayed. The image must outlive the surface.
    explicit TAC8ImageData(TAC8Image& image, TAC8BitmapHeader* bitmapHeader = nullptr);
    // Removes the surface from every parent it is a layer of, then frees its own layers.
    ~TAC8ImageData();
    TAC8ImageData(const TAC8ImageData&) = delete;
    TAC8ImageData& operator=(const TAC8ImageData&) = delete;

    std::int32_t Width() const { return FWidth; }
    std::int32_t Height() const { return FHeight; }
    std::int32_t RowStride() const { return FRowStride; }
    std::int32_t SegmentCount() const { return FSegmentCount; }
    std::int32_t SegmentRows() const { return FSegmentRows; }  // rows of every strip but the last
    std::int32_t FrameHeight() const { return FFrameHeight; }
    bool HasTransparency() const { return FHasTransparency; }
    bool StripsLocked() const { return FStripsLocked; }
    std::int32_t Busy() const { return FBusy; }
    TAC8BitmapHeader* BitmapHeader() const { return FBitmapHeader; }
    // The library picture this is the surface of, set by the library that lends it out; nullptr
    // for a surface made outside a library. A holder of the surface alone can hold its picture
    // through it (TPictureHandle::OfSurface).
    TImageNode* LibraryNode() const { return FLibraryNode; }
    void SetLibraryNode(TImageNode* node) { FLibraryNode = node; }

    // Set by callers around a copy: this surface is mirrored whenever it is the source.
    bool FlipVertical = false;
    bool FlipHorizontal = false;

    // ---- clipping and transparency
    TRect GetBounds() const { return TRect{0, 0, FWidth, FHeight}; }
    const TRect& ClipRect() const { return FClipRect; }
    // ClipRect = rect ∩ bounds; whether that is non-empty.
    bool SetClipRect(const TRect& rect);
    void ResetClipRect() { FClipRect = GetBounds(); }
    void SetTransparency(std::uint8_t index, bool enabled);
    // The transparent colour, or -1 without transparency.
    std::int32_t TransparentColour() const { return FHasTransparency ? FTransparentColour : -1; }

    // Reversed edges swapped, then clamped to the bounds.
    TRect NormaliseRect(TRect r) const;
    // Normalised, then intersected with ClipRect (all zeros when empty).
    TRect ClipForDrawing(const TRect& r) const;

    // ---- drawing
    // Raises "StartLine: co-ordinates outside drawing area" off the surface.
    std::uint8_t GetPixel(TPoint p) const;
    void FillRect(const TRect& rect, std::uint8_t colour);
    // One-pixel outline; an edge cut away by clipping is not drawn.
    void FrameRect(const TRect& rect, std::uint8_t colour);
    void HLine(TPoint p, std::int32_t length, std::uint8_t colour);
    void VLine(TPoint p, std::int32_t length, std::uint8_t colour);
    // Fills the 4-connected region of the point's colour within ClipRect; returns the
    // bounding rectangle of the changed pixels, (Width, Height, 0, 0) when none changed.
    TRect FloodFill(TPoint p, std::uint8_t colour);

    // The central copy: sourceRect of source to destination point, skipping the source's
    // transparent colour and mirroring by the source's flip flags. The source may be this
    // surface.
    void Blit(TPoint destination, const TAC8ImageData& source, TRect sourceRect);
    // Blit with ClipRect temporarily set to clip; ClipRect is restored exactly.
    void BlitClipped(TPoint destination, const TAC8ImageData& source, const TRect& clip, const TRect& sourceRect);
    // Nearest-pixel scaled copy of sourceRect into destination.
    void StretchBlit(const TRect& destination, const TAC8ImageData& source, const TRect& sourceRect);
    // For each destination row, stretches one source row across the span from the first to
    // the last pixel of colour key; rows without the key are left alone.
    void StretchIntoKeySpan(const TRect& destination, const TAC8ImageData& source, std::uint8_t key,
                            const TRect& sourceRect);
    // Every pixel (x, y) = source pixel (factor x, factor y). Raises AC8Exception, before
    // writing anything, for a factor below 1 or a source smaller than factor times this.
    void ShrinkFrom(const TAC8ImageData& source, std::int32_t factor);
    // The pixels are always in memory; kept so held pictures can say they need them for good.
    void LockAll() { FStripsLocked = true; }

    // ---- row access
    // Pointer to pixel (x, y); "StartLine: co-ordinates outside drawing area" off the surface.
    std::uint8_t* StartLine(std::int32_t x, std::int32_t y);
    const std::uint8_t* StartLine(std::int32_t x, std::int32_t y) const;
    // The same column one row up (y - 1) or down (y + 1); y is updated.
    std::uint8_t* PrevStartLine(std::uint8_t* p, std::int32_t x, std::int32_t& y);
    std::uint8_t* NextStartLine(std::uint8_t* p, std::int32_t x, std::int32_t& y);
    // Checks the coordinates; strips never leave memory, so there is nothing more to do.
    void UnlockSegment(std::int32_t x, std::int32_t y) const;

    // ---- damage
    // Normalised for the surface, then merged into the damage list.
    void AddDamage(const TRect& rect);
    bool HasDamage() const { return !FDamage.IsEmpty(); }
    void ClearDamage() { FDamage.Clear(); }
    const TDamageList& Damage() const { return FDamage; }

    // ---- display (ac8_display.cpp)
    // Draws rect of the surface with its top-left at destination, strip by strip; returns
    // the rows drawn. "PBMInfo not initialized for Display" without a bitmap header.
    std::int32_t Display(platform::Canvas& canvas, TPoint destination, TRect rect);
    // Displays every damage rectangle at destination moved by its top-left, in order,
    // then empties the damage list.
    void DisplayDamage(platform::Canvas& canvas, TPoint destination);

    // ---- layers (ac8_image_data_layers.cpp)
    // Shows source at the descriptor's place in priority order; returns the new layer.
    // "AddLayer: can't make parent a layer" when source is a parent of this (or this).
    TAC8LayerNode* AddLayer(TAC8ImageData& source, const TAC8LayerDesc& desc);
    void RemoveLayerNode(TAC8LayerNode* layer);
    void SetLayerNodeVisible(TAC8LayerNode* layer, bool visible);
    TAC8LayerDesc GetLayerNodeDesc(const TAC8LayerNode* layer) const;
    // Adds a layer for each of other's layers, same source and descriptor, in order.
    // A layer for each of other's, in order, with the same source and descriptor; offset moves
    // them, for a copy of part of other whose top-left was not at (0, 0).
    void CopyLayers(const TAC8ImageData& other, TPoint offset = TPoint{0, 0});
    const TPriDataList& Layers() const { return FLayers; }
    const TDataList& Parents() const { return FParents; }

private:
    friend class TBusyScope;

    // The frame every drawing operation follows around changing the pixels of r.
    void BeginChange(const TRect& r);
    void EndChange(const TRect& r);

    // Copies pixels with no clipping beyond the bounds, transparency, flips or layer upkeep.
    void CopyPlain(TPoint destination, const TAC8ImageData& source, TRect sourceRect);
    void BlitRows(const TRect& d, const TAC8ImageData& source, const TRect& q);

    // Layer upkeep: put back what lies under the layers above `below` (all when nullptr)
    // within r; redraw layers from `first` (nullptr: none) over r, refreshing each one's
    // save-under first, and add r to the damage; pass a change of r up to the parents.
    // A redraw from `first` must follow putting back `first` and every layer above it
    // within r, or a save-under would take in the layer's own pixels.
    void PutBackLayers(const TAC8LayerNode* below, const TRect& r);
    void RedrawLayersFrom(TAC8LayerNode* first, const TRect& r);
    void PropagateToParents(const TRect& r);
    void CheckOwnLayer(const TAC8LayerNode* layer, const char* message) const;
    void ShowLayer(TAC8LayerNode& layer);
    void HideLayer(TAC8LayerNode& layer);
    void DetachFromSource(TAC8LayerNode& layer);

    std::uint8_t* FPixels = nullptr;
    std::int32_t FSegmentCount = 0;
    std::int32_t FWidth = 0;
    std::int32_t FHeight = 0;
    std::int32_t FRowStride = 0;
    std::int32_t FSegmentRows = 0;
    std::uint8_t FTransparentColour = 0;
    bool FHasTransparency = false;
    TDamageList FDamage;
    TAC8BitmapHeader* FBitmapHeader = nullptr;
    bool FStripsLocked = false;
    TRect FClipRect;
    TDataList FParents;
    TPriDataList FLayers;
    std::int32_t FBusy = 0;
    std::int32_t FFrameHeight = 0;
    TImageNode* FLibraryNode = nullptr;
};

// Raises a surface's Busy count for its lifetime: the engine's own nested copies neither
// put back nor redraw layers, record damage or notify parents.
class TBusyScope {
public:
    explicit TBusyScope(TAC8ImageData& surface) : FSurface(surface) { ++FSurface.FBusy; }
    ~TBusyScope() { --FSurface.FBusy; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    TAC8ImageData& FSurface;
};
