#pragma once
// The slate's picture: one colouring page and at most 15 stickers laid over it. Every page
// and sticker is a private copy of its library picture divided into closed regions; the fill
// map gives a seed point per region, and colouring is a flood fill from a point. A chart of
// the slate's size tells for every pixel whose region lies there, so a click colours the
// topmost object under it. Sticker numbers are 1-based positions in drawing order (the last
// on top); number 0 is the page where an operation says so. Operations on a sticker that does
// not exist do nothing.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/node_list.h"
#include "foundation/typed_node_list.h"
#include "rooms/slate/slate_map.h"

namespace platform {
class RandomNumbers;
}

class TAC8ImageData;
class TAC8Library;
class THotImage;
class TStream;

inline constexpr std::uint8_t kSlateObjectClassId = 14;

// What the saved game keeps of one object: enough to build it again.
struct TSlateObjectState {
    std::uint8_t MapIndex = 0;
    TPoint Position;
    bool Mirrored = false;
    bool Half = false;
    std::vector<std::uint8_t> Colours;  // one per region, in record order
    friend bool operator==(const TSlateObjectState&, const TSlateObjectState&) = default;
};

struct TSlateDrawingState {
    std::uint8_t BackgroundIndex = 0;
    bool Uncoloured = true;
    TSlateObjectState Background;
    std::vector<TSlateObjectState> Stickers;
    friend bool operator==(const TSlateDrawingState&, const TSlateDrawingState&) = default;
};

// The record's seeds as they lie in the object's picture: halved (truncated) at half size,
// then mirrored (x becomes width - x - 1) when the picture is mirrored.
std::vector<TSlateSeed> PlacedSeeds(const TSlateMap& map, int index, bool half, bool mirrored);

// The drawing's saved record (page index, uncoloured flag, the page's object stream, sticker
// count, then per sticker its map index and object stream), checked against the map: a page
// index above 7, a flag byte other than 0 or 1, a class id other than 14, a sticker index
// outside 8..39, more than 15 stickers, a page not at (0, 0) or mirrored or halved, or a
// sticker placed absurdly far off the slate raises "Saved game is damaged.".
TSlateDrawingState ReadSlateDrawingState(TStream& s, const TSlateMap& map);
void WriteSlateDrawingState(TStream& s, const TSlateDrawingState& state);
// The object stream alone (class id, position, flags, colours) for a record of n regions.
TSlateObjectState ReadSlateObjectStream(TStream& s, std::size_t regions);
void WriteSlateObjectStream(TStream& s, const TSlateObjectState& object);

class TSlateDrawingObject : public TVekNode {
public:
    TSlateDrawingObject();
    ~TSlateDrawingObject() override;

    // Takes the picture (its pixels are the object's own) and the record whose seeds lie in it.
    void Assign(std::unique_ptr<THotImage> picture, TSlateMapRecord record);

    TAC8ImageData& Image();
    std::int32_t Width() const { return FWidth; }
    std::int32_t Height() const { return FHeight; }
    TRect Bounds() const { return MakeBounds(Position.X, Position.Y, FWidth, FHeight); }
    const TSlateMapRecord& Record() const { return FRecord; }
    TSlateMapRecord& Record() { return FRecord; }

    // The picture at origin + position; the selection frame around it when selected.
    void Draw(TAC8ImageData& surface, TPoint origin);
    // Floods the region under the slate point and reads every region's colour back (a fill
    // that spreads into a neighbouring region changes that one's colour too). Returns the
    // changed rectangle in slate coordinates (empty when nothing changed).
    TRect FillAt(TPoint slatePoint, std::uint8_t colour);
    // Gives every region the colour its record holds.
    void PaintRegions();
    // The record's colours taken from the picture at the seeds.
    void ReadColoursBack();
    // Mirrors the picture and the seeds when the state differs.
    void SetMirror(bool value);
    // The region pixels of the picture: true where a seed's region lies.
    std::vector<bool> RegionMask();

    // Class id, position, mirrored, half, then the region colours.
    void SaveToStream(TStream& s) const override;
    TSlateObjectState State() const;

    TPoint Position;
    bool Mirrored = false;
    bool Half = false;
    bool Selected = false;

private:
    TSlateMapRecord FRecord;
    std::unique_ptr<THotImage> FPicture;
    std::int32_t FWidth = 0;
    std::int32_t FHeight = 0;
};

// The page behind the stickers; always at (0, 0).
class TSlateBG : public TSlateDrawingObject {};

// Which object owns each pixel's region: slot per pixel (0..15), 255 none; slot -> object.
class TSlateDrawingChart {
public:
    TSlateDrawingChart();
    void Clear();
    // The object takes the first free slot and its region pixels; without a free slot nothing.
    void Add(TSlateDrawingObject& object, int number);
    // The object number under the slate point, or -1.
    int ObjectAt(TPoint p) const;
    std::uint8_t SlotAt(TPoint p) const;

private:
    std::vector<std::uint8_t> FPixels;
    std::array<std::uint8_t, 16> FSlots{};
};

class TSlateDrawing {
public:
    // The map of the game's data folder; a missing or damaged one raises QEException.
    explicit TSlateDrawing(TAC8Library* library = nullptr);
    TSlateDrawing(std::shared_ptr<const TSlateMap> map, TAC8Library* library = nullptr);
    ~TSlateDrawing();
    TSlateDrawing(const TSlateDrawing&) = delete;
    TSlateDrawing& operator=(const TSlateDrawing&) = delete;

    const TSlateMap& Map() const { return *FMap; }
    std::shared_ptr<const TSlateMap> SharedMap() const { return FMap; }
    // A library of nullptr means the held pictures' default library.
    void SetLibrary(TAC8Library* library);
    TAC8Library* Library() const;

    void SetSurface(TAC8ImageData* surface, TPoint origin);
    TAC8ImageData* Surface() const { return FSurface; }
    TPoint Origin() const { return FOrigin; }
    void Draw();
    void RedrawRect(const TRect& slateRect);

    void SetBackground(int index, bool uncoloured, platform::RandomNumbers& random);
    void Clear();
    // No stickers and the first page unfilled, built when next needed.
    void Reset();
    void AddSticker(int index, bool randomColours, platform::RandomNumbers& random);
    void Fill(TPoint point, std::uint8_t colour);
    bool HitSticker(TPoint point, int n, TPoint* offset = nullptr);
    void MoveSticker(TPoint topLeft, int n, bool final);
    void ClearColouring(int n);
    void ToggleMirror(int n);
    void SetHalf(int n, bool keepPlace);
    void BringToFront(int n);
    void DeleteSticker(int n);
    bool GetMapIndex(int n, std::uint8_t& index) const;
    bool IsMirrored(int n) const;
    bool IsHalf(int n) const;
    void SetSelected(int n, bool value);
    void RebuildChart();

    int StickerCount() const;
    // The object under the slate point by the chart: -1 none, 0 the page, n sticker n.
    int ObjectAt(TPoint point);
    TSlateDrawingObject* Sticker(int n);
    TSlateBG* Background();
    std::uint8_t BackgroundIndex() const;
    bool Uncoloured() const;
    TPoint CascadeOffset() const { return FCascade; }

    // The state as the saved record holds it.
    TSlateDrawingState State() const;
    // Checks the whole record first; the drawing changes only when it is sound. The
    // pictures are built when they are first needed.
    void ReadFromStream(TStream& s);
    // Takes a state read and checked against this drawing's map, as ReadFromStream does.
    void SetState(TSlateDrawingState state);
    void WriteToStream(TStream& s) const;
    // Drops every picture; the drawing is built again from its state when next needed.
    void FreePictures();

private:
    void Realise();
    std::unique_ptr<TSlateBG> BuildBackground(const TSlateObjectState& state);
    std::unique_ptr<TSlateDrawingObject> BuildSticker(const TSlateObjectState& state);

    std::shared_ptr<const TSlateMap> FMap;
    TAC8Library* FLibrary = nullptr;
    TAC8ImageData* FSurface = nullptr;
    TPoint FOrigin;
    TSlateDrawingChart FChart;
    TTypedNodeList<TSlateDrawingObject> FStickers;
    std::unique_ptr<TSlateBG> FBackground;
    std::uint8_t FBackgroundIndex = 0;
    bool FUncoloured = true;
    TPoint FCascade;
    // Set while the pictures are not built: what they are to show.
    std::optional<TSlateDrawingState> FPending;
};

// A sticker's or page's picture as a saved object describes it, built from the library: the
// cut of its sheet (or the page), its seeds placed, every region painted with its colour and
// mirrored when it says so. The page is taken unfilled when `unfilledPage`.
void BuildSlateObject(TSlateDrawingObject& into, const TSlateMap& map, const TSlateObjectState& state,
                      bool unfilledPage, TAC8Library* library);
// The same from a record of its own: its seeds placed for the picture's size but not mirrored,
// and their colours; the state gives the rest.
void BuildSlateObject(TSlateDrawingObject& into, TSlateMapRecord record, const TSlateObjectState& state,
                      bool unfilledPage, TAC8Library* library);
