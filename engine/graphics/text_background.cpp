#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/text_block.h"
#include "engine/graphics/tile_bg.h"

void TBGArea::Paint(TAC8ImageData& surface, const TRect& rect) const {
    switch (Kind) {
    case TBGKind::Fill: surface.FillRect(rect, Colour); break;
    case TBGKind::Copy:
        if (Picture != nullptr)
            surface.Blit(TPoint{rect.Left, rect.Top}, *Picture,
                         TRect{Origin.X, Origin.Y, Origin.X + RectWidth(rect), Origin.Y + RectHeight(rect)});
        break;
    case TBGKind::Tiled:
        if (Tiles != nullptr) Tiles->TileIntoRect(surface, Origin, rect);
        break;
    case TBGKind::None: break;
    }
}
