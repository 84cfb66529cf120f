#pragma once
// A control that fills the window behind everything with one small library picture repeated
// in both directions. The same tiling into a surface gives image buttons the background
// behind them and text blocks their tiled backgrounds.
#include <functional>

#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/geometry.h"
#include "platform/controls.h"

class TAC8Library;
class TAC8ImageData;
class TImageNode;

class TTileBG : public platform::Control {
public:
    // Called after the tiles are painted, with the area being painted.
    using TPaintHook = std::function<void(TTileBG& sender, platform::ControlCanvas& canvas, const TRect& clip)>;

    // Fills its host, opaque, and takes no mouse input.
    TTileBG();
    ~TTileBG() override;

    const AC8ImageName& ImageName() const { return FImageName; }
    // Loads the tile when the library has it; repaints in every case.
    void SetImageName(const AC8ImageName& name);
    // The library the tile comes from; none (no tile) until one is set.
    TAC8Library* Library();
    void SetLibrary(TAC8Library* library);

    // The tile picture while loaded, else null.
    const TAC8ImageData* Tile() const;

    // Covers the whole surface so that its (0, 0) shows point origin of the endless tiled
    // plane. Nothing happens without a tile.
    void TileIntoSurface(TAC8ImageData& surface, TPoint origin) const;
    // The same into rect of the surface only (its clip rectangle is restored afterwards).
    void TileIntoRect(TAC8ImageData& surface, TPoint origin, const TRect& rect) const;

    void Paint(platform::ControlCanvas& canvas) override;

    TPaintHook OnPaint;

private:
    AC8ImageName FImageName;
    TLibraryLink FLibrary;
    TPictureHandle FTile;
};
