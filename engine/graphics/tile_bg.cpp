#include "engine/graphics/tile_bg.h"

#include <cstdlib>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"

namespace {

TAC8Library* GlobalTileLibrary = nullptr;

// Puts a surface's clip rectangle back however the drawing in between ends.
class TClipRestore {
public:
    explicit TClipRestore(TAC8ImageData& surface) : FSurface(surface), FSaved(surface.ClipRect()) {}
    ~TClipRestore() { FSurface.SetClipRect(FSaved); }
    TClipRestore(const TClipRestore&) = delete;
    TClipRestore& operator=(const TClipRestore&) = delete;

private:
    TAC8ImageData& FSurface;
    TRect FSaved;
};

std::int32_t FloorMod(std::int32_t a, std::int32_t b) {
    const std::int32_t m = a % b;
    return m < 0 ? m + b : m;
}

}  // namespace

TTileBG::TTileBG() {
    SetFillsHost(true);
    SetEnabled(false);
}

TTileBG::~TTileBG() {
    ReleaseTile();
    if (FLibrary != nullptr) FLibrary->RemoveReference(&FLibrary);
}

void TTileBG::SetGlobalImageLibrary(TAC8Library* library) {
    if (library == GlobalTileLibrary) return;
    if (GlobalTileLibrary != nullptr) GlobalTileLibrary->RemoveReference(&GlobalTileLibrary);
    GlobalTileLibrary = library;
    if (library != nullptr) library->AddReference(&GlobalTileLibrary);
}

TAC8Library* TTileBG::GlobalImageLibrary() { return GlobalTileLibrary; }

TAC8Library* TTileBG::Library() {
    if (FLibrary == nullptr && GlobalTileLibrary != nullptr) {
        FLibrary = GlobalTileLibrary;
        FLibrary->AddReference(&FLibrary);
    }
    return FLibrary;
}

const TAC8ImageData* TTileBG::Tile() const { return FLibrary != nullptr ? FTile : nullptr; }

void TTileBG::ReleaseTile() {
    // A library that went away has freed the tile with its cache.
    if (FLibrary != nullptr && FTileNode != nullptr) {
        if (FTile != nullptr) FLibrary->ReleaseImageData(FTileNode);
        FLibrary->ReleaseImage(FTileNode);
    }
    FTile = nullptr;
    FTileNode = nullptr;
}

void TTileBG::SetImageName(const AC8ImageName& name) {
    ReleaseTile();
    FImageName = name;
    Invalidate();
    TAC8Library* library = Library();
    if (library == nullptr || !library->ImageExists(FImageName)) return;
    FTileNode = library->LoadImage(FImageName);
    try {
        FTile = library->GetImageData(FTileNode);
    } catch (...) {
        ReleaseTile();
        throw;
    }
}

void TTileBG::SetLibrary(TAC8Library* library) {
    ReleaseTile();
    if (FLibrary != nullptr) FLibrary->RemoveReference(&FLibrary);
    FLibrary = library;
    if (library != nullptr) library->AddReference(&FLibrary);
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
    for (std::int32_t y = c.Top - FloorMod(c.Top, h); y < c.Bottom; y += h)
        for (std::int32_t x = c.Left - FloorMod(c.Left, w); x < c.Right; x += w)
            library->DrawImageAt(canvas, TPoint{x, y}, FTileNode);
    if (OnPaint) OnPaint(*this, canvas, TRect{c.Left, c.Top, c.Right, c.Bottom});
    canvas.SelectPalette(previous);
}
