#pragma once
// The pictures of the train table and how one cell and one engine are drawn from them; the
// room draws its table with them and the album its snapshot of the table.
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "rooms/train/train_track.h"

class TAC8ImageData;
class TAC8Library;
class THotImage;

class TTrainPictures {
public:
    // Private pictures are copies, so their flip flags are the holder's own.
    TTrainPictures(TAC8Library* library, bool isPrivate);
    ~TTrainPictures();
    TTrainPictures(const TTrainPictures&) = delete;
    TTrainPictures& operator=(const TTrainPictures&) = delete;

    TAC8ImageData& Track();      // pieces in 75-px cells, the switch levers, the cursor frame
    TAC8ImageData& Palette();    // the two palette pages
    TAC8ImageData& Table();      // the bare table
    TAC8ImageData& Ground();     // ground tiles, 3 x 6 cells of 75 px
    // Records 1, 2 the engines, 3, 4 their cars.
    TAC8ImageData& Sprite(int record);
    // Pages 1 and 2: item k at (0, 75 (k - 1)).
    TAC8ImageData& Scenery(int page);

    // Drops every surface; the pictures are fetched again when next drawn.
    void Release();

private:
    TAC8ImageData& Get(std::unique_ptr<THotImage>& slot, const char* name);

    TAC8Library* FLibrary;
    bool FPrivate;
    std::unique_ptr<THotImage> FTrack, FPalette, FTable, FGround;
    std::array<std::unique_ptr<THotImage>, 4> FSprites;
    std::array<std::unique_ptr<THotImage>, 2> FScenery;
};

// The cell's ground, scenery and piece with its lever, in its place on the surface (no
// cursor, no engines). Cells off the table are ignored.
void DrawTrainCell(TAC8ImageData& surface, TTrainPictures& pictures, const TTrainCells& cells, std::int32_t x,
                   std::int32_t y);
// One record's sprite with its top-left corner at the point, mirrored both ways for
// directions 16..31.
void DrawTrainSprite(TAC8ImageData& surface, TTrainPictures& pictures, int record, TPoint at, std::uint8_t direction);
