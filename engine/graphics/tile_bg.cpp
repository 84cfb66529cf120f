#include "engine/graphics/tile_bg.h"

#include <cstdlib>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "engine/graphics/clip_restore.h"

namespace {

std::int32_t FloorMod(std::int32_t a, std::int32_t b) {
    const std::int32_t m = a % b;
    return m < 0 ? m + b : m;
}

}  // namespace

TTileBG::TTileBG() {
    SetFillsHost(true);
    SetEnabled(false);
}

TTileBG::~TTileBG() = default;

TAC8Library* TTileBG::Library() { return FLibrary.Get(); }

const TAC8ImageData* TTileBG::Tile() const { return FTile.Get(); }

void TTileBG::SetImageName(const AC8ImageName& name) {
    FTile.Reset();
    FImageName = name;
    Invalidate();
    TAC8Library* library = Library();
    if (library == nullptr || !library->ImageExists(FImageName)) return;
    FTile = TPictureHandle(*library, FImageName);
}

void TTileBG::SetLibrary(TAC8Library* library) {
    FTile.Reset();
    FLibrary.Reset(library);
    SetImageName(FImageName);
}

void TTileBG::TileIntoSurface(TAC8ImageData& surface, TPoint origin) const {
    const TAC8ImageData* tile = Tile();
    if (tile == nullptr) return;
    const std::int32_t w = tile->Width();
    const std::int32_t h = tile->Height();
    const std::int32_t startX = -FloorMod(origin.X, w);
    for (std::int32_t y = -FloorMod(origin.Y, h); y < surface.Height(); y += h)
        for (std::int32_t x = startX; x < surface.Width(); x += w) surface.Blit(TPoint{x, y}, *tile, tile->GetBounds());
}

void TTileBG::TileIntoRect(TAC8ImageData& surface, TPoint origin, const TRect& rect) const {
    const TAC8ImageData* tile = Tile();
    if (tile == nullptr) return;
    const std::int32_t w = tile->Width();
    const std::int32_t h = tile->Height();
    TClipRestore restore(surface);
    surface.SetClipRect(rect);
    const std::int32_t startX = rect.Left - std::abs((origin.X + rect.Left) % w);
    for (std::int32_t y = rect.Top - std::abs((origin.Y + rect.Top) % h); y < rect.Bottom; y += h)
        for (std::int32_t x = startX; x < rect.Right; x += w) surface.Blit(TPoint{x, y}, *tile, tile->GetBounds());
}

void TTileBG::Paint(platform::ControlCanvas& canvas) {
    TAC8Library* library = Library();
    const platform::ControlRect& c = canvas.ClipRect();
    if (library == nullptr || Tile() == nullptr) {
        canvas.FillDiagonalCross(platform::ControlRect{0, 0, Width(), Height()}, platform::RgbColour{0, 0, 0});
        return;
    }
    const platform::CanvasPalette previous = canvas.Palette();
    canvas.SelectPalette(library->GetHPal()->Colours());
    const std::int32_t w = FTile->Width();
    const std::int32_t h = FTile->Height();
    TImageNode* tileNode = FTile.Node();
    for (std::int32_t y = c.Top - FloorMod(c.Top, h); y < c.Bottom; y += h)
        for (std::int32_t x = c.Left - FloorMod(c.Left, w); x < c.Right; x += w)
            library->DrawImageAt(canvas, TPoint{x, y}, tileNode);
    if (OnPaint) OnPaint(*this, canvas, TRect{c.Left, c.Top, c.Right, c.Bottom});
    canvas.SelectPalette(previous);
}
