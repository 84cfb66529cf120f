#include "rooms/train/train_pictures.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"

namespace {

constexpr std::array<const char*, 4> kSpriteNames{"ytrain", "btrain", "ycar", "bcar"};
constexpr std::array<const char*, 2> kSceneryNames{"tr_xtra1", "tr_xtra2"};
// The switch levers' place in "track".
constexpr std::int32_t kLeverTop = 286;
constexpr std::int32_t kLeverColumnWidth = 82;

}  // namespace

TTrainPictures::TTrainPictures(TAC8Library* library, bool isPrivate) : FLibrary(library), FPrivate(isPrivate) {}
TTrainPictures::~TTrainPictures() = default;

TAC8ImageData& TTrainPictures::Get(std::unique_ptr<THotImage>& slot, const char* name) {
    if (!slot) slot = std::make_unique<THotImage>(AC8ImageName(name), FPrivate, FLibrary);
    return slot->Image();
}

TAC8ImageData& TTrainPictures::Track() { return Get(FTrack, "track"); }
TAC8ImageData& TTrainPictures::Palette() { return Get(FPalette, "trackpal"); }
TAC8ImageData& TTrainPictures::Table() { return Get(FTable, "trainbg"); }
TAC8ImageData& TTrainPictures::Ground() { return Get(FGround, "terrain2"); }
TAC8ImageData& TTrainPictures::Sprite(int record) {
    const std::size_t i = static_cast<std::size_t>((record - 1) & 3);
    return Get(FSprites[i], kSpriteNames[i]);
}
TAC8ImageData& TTrainPictures::Scenery(int page) {
    const std::size_t i = page == 2 ? 1u : 0u;
    return Get(FScenery[i], kSceneryNames[i]);
}

void TTrainPictures::Release() {
    for (auto* slot : {&FTrack, &FPalette, &FTable, &FGround})
        if (*slot) (*slot)->Release();
    for (auto& slot : FSprites)
        if (slot) slot->Release();
    for (auto& slot : FScenery)
        if (slot) slot->Release();
}

void DrawTrainCell(TAC8ImageData& surface, TTrainPictures& pictures, const TTrainCells& cells, std::int32_t x,
                   std::int32_t y) {
    if (!OnLayout(x, y)) return;
    const TRect tile = TileRect(x, y);
    if (IsRectEmpty(IntersectRects(tile, surface.ClipRect()))) return;
    const TPoint at{tile.Left, tile.Top};
    const TTrainCell& cell = cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    const auto drawGround = [&] {
        TAC8ImageData& ground = pictures.Ground();
        const TGroundTile g = GroundTile(cell.Terrain, TerrainOneMask(cells, x, y));
        ground.FlipHorizontal = g.FlipHorizontal;
        ground.FlipVertical = g.FlipVertical;
        surface.Blit(at, ground, MakeBounds(kTileSize * g.Column, kTileSize * g.Row, kTileSize, kTileSize));
        ground.FlipHorizontal = ground.FlipVertical = false;
    };
    if (cell.Terrain == 0) {
        surface.Blit(at, pictures.Table(), tile);
    } else if (cell.IsGround() && cell.Setting >= 1 && cell.Setting <= kSceneryItems) {
        if (cell.Terrain == 2) drawGround();
        surface.Blit(at, pictures.Scenery(cell.Terrain),
                     MakeBounds(0, kTileSize * (cell.Setting - 1), kTileSize, kTileSize));
    } else {
        drawGround();
    }
    if (cell.IsGround() || cell.Column >= kPieceColumns || cell.Row >= kPieceRows) return;
    TAC8ImageData& track = pictures.Track();
    surface.Blit(at, track, MakeBounds(kTileSize * cell.Column, kTileSize * cell.Row, kTileSize, kTileSize));
    if (cell.IsSwitch()) {
        const std::int32_t position = cell.Setting == 1 ? 1 : 0;
        surface.Blit(TPoint{at.X + kLeverInset, at.Y + kLeverInset}, track,
                     MakeBounds(kLeverColumnWidth * cell.Column + kLeverSize * position,
                                kLeverTop + kLeverSize * cell.Row, kLeverSize, kLeverSize));
    }
}

void DrawTrainSprite(TAC8ImageData& surface, TTrainPictures& pictures, int record, TPoint at, std::uint8_t direction) {
    TAC8ImageData& sprite = pictures.Sprite(record);
    const bool turned = (direction % 32u) > 15;
    sprite.FlipHorizontal = turned;
    sprite.FlipVertical = turned;
    surface.Blit(at, sprite, SpriteRect(direction));
    sprite.FlipHorizontal = sprite.FlipVertical = false;
}
