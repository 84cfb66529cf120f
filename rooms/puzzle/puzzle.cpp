#include "rooms/puzzle/puzzle.h"

#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/clip_restore.h"
#include "engine/graphics/hot_image.h"
#include "foundation/vek_exception.h"
#include "platform/random.h"

namespace {

constexpr std::int32_t kFaceSize = 240;
constexpr std::int32_t kBlocksLeft = 136;
constexpr std::int32_t kClosedTop = 40;
constexpr std::int32_t kScratchWidth = 134;
constexpr std::int32_t kScratchHeight = 140;

struct TMechPiece {
    TPoint At;
    TRect Open;
    TRect Closed;
};

// The drawing of each size. The cubes of a column stand apart by more than their side: the
// gap shows a strip of a cube's top (row 1 of the bigger puzzles shows the face after its own,
// the others the face before it) and leaves room for a cube half-turned, which stands taller
// than its square by a step above and below. In the bigger puzzles the outer columns also show
// the cube's outer side, a piece of "puzsides" beside the face.
struct TSizeTable {
    std::int32_t Side;
    std::array<std::int32_t, kMostBlocks> RowTop;
    std::int32_t Step;   // a half-turned cube reaches this far above and below its square
    std::int32_t Strip;  // height of the strip shown above the face of a flagged row
    std::array<bool, kMostBlocks> RowStrip;
    std::int32_t SideWidth;  // the outer side of the first and last columns; 0 for none
    TPoint LeftSide;         // where the pieces lie in "puzsides", each SideWidth x (Side + Strip)
    TPoint RightSide;
    int MechPieces;
    std::array<TMechPiece, 3> Mech;
};

const TSizeTable& Table(int size) {
    static const std::array<TSizeTable, 3> tables{{
        {120, {19, 168, 0, 0}, 14, 11, {false, true, false, false}, 0, {}, {}, 3,
         {{{{94, 67}, {0, 0, 42, 170}, {42, 0, 84, 170}},
           {{376, 27}, {0, 170, 51, 284}, {51, 170, 102, 284}},
           {{376, 171}, {0, 284, 52, 388}, {52, 284, 104, 388}}}}},
        {80, {20, 120, 220, 0}, 10, 8, {true, true, true, false}, 6, {0, 0}, {6, 0}, 2,
         {{{{97, 52}, {0, 0, 39, 213}, {39, 0, 78, 213}}, {{376, 23}, {0, 213, 45, 486}, {45, 213, 90, 486}}, {}}}},
        {60, {16, 91, 166, 243}, 7, 6, {true, true, true, true}, 5, {12, 0}, {17, 0}, 2,
         {{{{96, 41}, {0, 0, 40, 243}, {40, 0, 80, 243}}, {{376, 25}, {0, 243, 41, 518}, {41, 243, 82, 518}}, {}}}},
    }};
    return tables[static_cast<std::size_t>(size - 2)];
}

bool HasStrip(const TSizeTable& t, int r) { return t.RowStrip[static_cast<std::size_t>(r - 1)]; }

// How far the cube's picture reaches left and right of its square for its outer side.
std::int32_t SideLeft(const TSizeTable& t, int c) { return c == 1 ? t.SideWidth : 0; }
std::int32_t SideRight(const TSizeTable& t, int size, int c) { return c == size ? t.SideWidth : 0; }

std::int32_t HalfTurnHeight(const TSizeTable& t) { return t.Side + 2 * t.Step; }

// The background strips of the open machine: source in "puzbg_h" or "puzbg_v", and place.
struct TStripPiece {
    bool Vertical;
    TRect Source;
    TPoint At;
};
constexpr std::array<TStripPiece, 4> kStrips{{
    {false, {0, 0, 268, 7}, {122, 17}},
    {false, {0, 7, 268, 48}, {122, 264}},
    {true, {0, 0, 13, 240}, {122, 24}},
    {true, {13, 0, 26, 240}, {377, 24}},
}};

TRect Offset(const TRect& r, TPoint by) { return TRect{r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y}; }

bool Meets(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TPoint FaceCorner(int state) {
    switch (state) {
        case 0: return {0, 0};
        case 2: return {kFaceSize, 0};
        case 4: return {0, kFaceSize};
        default: return {kFaceSize, kFaceSize};
    }
}

std::uint8_t Wrap(int state) { return static_cast<std::uint8_t>(((state % kPuzzleStates) + kPuzzleStates) % kPuzzleStates); }

std::string SizeName(int size, const char* what) { return std::to_string(size) + what; }

}  // namespace

TRect SnapshotBlockSource(int size, int state, int c, int r) {
    const std::int32_t cell = kFaceSize / size;
    const TPoint corner = FaceCorner(state);
    const std::int32_t x = corner.X + cell * (c - 1);
    const std::int32_t y = corner.Y + cell * (r - 1);
    return TRect{x, y, x + cell, y + cell};
}

TRect BlockSource(int size, int state, int c, int r) {
    if (state < 0 || state >= kPuzzleStates || state % 2 != 0) throw VekException("rcBlockSource: Invalid picture state");
    return SnapshotBlockSource(size, state, c, r);
}

TPuzzle::TPuzzle(int size) : FSize(size < 2 ? 2 : size > 4 ? 4 : size) {}

TPuzzle::~TPuzzle() = default;

void TPuzzle::Reset(platform::RandomNumbers& random) {
    for (int c = 1; c <= FSize; ++c)
        for (int r = 1; r <= FSize; ++r) {
            FStates[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)] =
                static_cast<std::uint8_t>(random.Next(kPuzzleStates));
            FreeBlockPicture(c, r);
        }
    FClosed = false;
}

void TPuzzle::SetState(int c, int r, std::uint8_t state) {
    if (c < 1 || c > kMostBlocks || r < 1 || r > kMostBlocks) return;
    FStates[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)] = Wrap(state);
    FreeBlockPicture(c, r);
}

void TPuzzle::TurnBlock(int c, int r, bool backwards) {
    if (c < 1 || c > FSize || r < 1 || r > FSize) return;
    SetState(c, r, static_cast<std::uint8_t>(State(c, r) + (backwards ? kPuzzleStates - 1 : 1)));
}

void TPuzzle::SetClosed(bool closed, platform::RandomNumbers& random) {
    if (!closed) {
        FClosed = false;
        FSolvedShown = false;
        return;
    }
    for (int c = 1; c <= FSize; ++c)
        for (int r = 1; r <= FSize; ++r)
            if (State(c, r) % 2 != 0) SetState(c, r, static_cast<std::uint8_t>(State(c, r) + (random.Next(100) < 50 ? 7 : 1)));
    FClosed = true;
}

bool TPuzzle::IsSolved() {
    const std::uint8_t first = State(1, 1);
    bool solved = first % 2 == 0;
    for (int c = 1; c <= FSize && solved; ++c)
        for (int r = 1; r <= FSize && solved; ++r) solved = State(c, r) == first;
    if (!solved) FSolvedShown = false;
    return solved;
}

TRect TPuzzle::BlockRect(int c, int r) const {
    const TSizeTable& t = Table(FSize);
    const std::int32_t x = kBlocksLeft + t.Side * (c - 1);
    const std::int32_t y = t.RowTop[static_cast<std::size_t>(r - 1)];
    return TRect{x, y, x + t.Side, y + t.Side};
}

TRect TPuzzle::BlockPictureRect(int c, int r) const {
    const TSizeTable& t = Table(FSize);
    TRect rect = BlockRect(c, r);
    if (State(c, r) % 2 != 0) {
        rect.Top -= t.Step;
        rect.Bottom += t.Step;
        return rect;
    }
    if (HasStrip(t, r)) rect.Top -= t.Strip;
    rect.Left -= SideLeft(t, c);
    rect.Right += SideRight(t, FSize, c);
    return rect;
}

TRect TPuzzle::BlockArea(int c, int r) const {
    const TSizeTable& t = Table(FSize);
    TRect rect = BlockRect(c, r);
    rect.Top -= t.Step;
    rect.Bottom += t.Step;
    rect.Left -= SideLeft(t, c);
    rect.Right += SideRight(t, FSize, c);
    return rect;
}

TAC8Library& TPuzzle::Library() const {
    if (FLibrary == nullptr) throw VekException("TPuzzle: no image library");
    return *FLibrary;
}

TAC8ImageData& TPuzzle::Picture(TPictureHandle& handle, const char* name) {
    if (!handle) handle = TPictureHandle(Library(), name);
    return *handle;
}

void TPuzzle::FreeBlockPicture(int c, int r) {
    if (c >= 1 && c <= kMostBlocks && r >= 1 && r <= kMostBlocks)
        FBlockPictures[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)].reset();
}

void TPuzzle::ReleasePictures() {
    for (auto& column : FBlockPictures)
        for (auto& picture : column) picture.reset();
    FScratch.reset();
    FFaces.Reset();
    FHalfTurn.Reset();
    FBorder.Reset();
    FBackgroundH.Reset();
    FBackgroundV.Reset();
    FMechanism.Reset();
    FSides.Reset();
}

void TPuzzle::ComposeBlock(int c, int r) {
    const TSizeTable& t = Table(FSize);
    const std::string faceName = "puzzle" + std::to_string(FSize);
    TAC8ImageData& faces = Picture(FFaces, faceName.c_str());
    TAC8ImageData& halfTurn = Picture(FHalfTurn, SizeName(FSize, "distort").c_str());
    TAC8ImageData& border = Picture(FBorder, SizeName(FSize, "border").c_str());
    const int state = State(c, r);
    const TRect place = BlockPictureRect(c, r);
    const std::int32_t width = RectWidth(place);
    const std::int32_t height = RectHeight(place);
    std::unique_ptr<THotImage> picture;
    if (state % 2 == 0) {
        picture = THotImage::CreateBlank(width, height, &Library());
        TAC8ImageData& canvas = picture->Image();
        canvas.FillRect(canvas.GetBounds(), kPuzzleTransparent);
        const std::int32_t strip = height - t.Side;
        const std::int32_t left = SideLeft(t, c);
        canvas.Blit(TPoint{left, strip}, faces, BlockSource(FSize, state, c, r));
        canvas.Blit(TPoint{left, strip}, border, border.GetBounds());
        if (strip > 0) {
            // The top of the cube, with the face next to this one on it.
            const std::int32_t stripTop = FSize * HalfTurnHeight(t);
            const int topFace = r == 1 ? state + 2 : state - 2;
            canvas.Blit(TPoint{left, 0}, halfTurn, TRect{t.Side * (c - 1), stripTop, t.Side * c, stripTop + strip});
            canvas.StretchIntoKeySpan(TRect{left, 0, left + t.Side, strip}, faces, kPuzzleFaceKey,
                                      BlockSource(FSize, Wrap(topFace), c, r));
        }
        if (t.SideWidth > 0 && (c == 1 || c == FSize)) {
            TAC8ImageData& sides = Picture(FSides, "puzsides");
            const TPoint piece = c == 1 ? t.LeftSide : t.RightSide;
            const std::int32_t pieceHeight = t.Side + t.Strip;
            const TRect source{piece.X, piece.Y + pieceHeight - height, piece.X + t.SideWidth, piece.Y + pieceHeight};
            canvas.Blit(TPoint{c == 1 ? 0 : t.Side, 0}, sides, source);
        }
    } else {
        const std::int32_t cellHeight = HalfTurnHeight(t);
        const TRect cell{t.Side * (c - 1), cellHeight * (r - 1), t.Side * c, cellHeight * r};
        picture = THotImage::CreateCopyRect(halfTurn, cell, &Library());
        TAC8ImageData& canvas = picture->Image();
        if (!FScratch) FScratch = THotImage::CreateBlank(kScratchWidth, kScratchHeight, &Library());
        TAC8ImageData& scratch = FScratch->Image();
        scratch.SetTransparency(kPuzzleTransparent, true);
        // The upper part shows the face coming round (one state down), the lower the face
        // going away (one state up).
        const std::int32_t half = cellHeight / 2;
        const std::array<std::pair<TRect, int>, 2> parts{{{TRect{0, 0, width, half}, Wrap(state - 1)},
                                                          {TRect{0, half, width, cellHeight}, Wrap(state + 1)}}};
        for (const auto& [part, face] : parts) {
            const std::int32_t partHeight = RectHeight(part);
            const TRect scratchPart{0, 0, width, partHeight};
            scratch.FillRect(scratch.GetBounds(), kPuzzleTransparent);
            scratch.Blit(TPoint{0, 0}, halfTurn, Offset(part, TPoint{cell.Left, cell.Top}));
            scratch.StretchIntoKeySpan(scratchPart, border, kPuzzleFaceKey, border.GetBounds());
            canvas.StretchIntoKeySpan(part, faces, kPuzzleFaceKey, BlockSource(FSize, face, c, r));
            canvas.Blit(TPoint{part.Left, part.Top}, scratch, scratchPart);
        }
    }
    picture->Image().SetTransparency(kPuzzleTransparent, true);
    FBlockPictures[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)] = std::move(picture);
}

void TPuzzle::DrawMechanism(TAC8ImageData& view, TPoint origin) {
    const TSizeTable& t = Table(FSize);
    TAC8ImageData& mechanism = Picture(FMechanism, SizeName(FSize, "mech").c_str());
    for (int i = 0; i < t.MechPieces; ++i) {
        const TMechPiece& piece = t.Mech[static_cast<std::size_t>(i)];
        view.Blit(TPoint{piece.At.X + origin.X, piece.At.Y + origin.Y}, mechanism, FClosed ? piece.Closed : piece.Open);
    }
}

void TPuzzle::Draw(TAC8ImageData& view, TPoint origin) {
    if (!FClosed) {
        // Below the mechanism, as each cube's own repaint draws them.
        TAC8ImageData& stripsH = Picture(FBackgroundH, "puzbg_h");
        TAC8ImageData& stripsV = Picture(FBackgroundV, "puzbg_v");
        for (const TStripPiece& strip : kStrips)
            view.Blit(TPoint{strip.At.X + origin.X, strip.At.Y + origin.Y}, strip.Vertical ? stripsV : stripsH, strip.Source);
    }
    DrawMechanism(view, origin);
    if (!FClosed) {
        for (int c = 1; c <= FSize; ++c)
            for (int r = 1; r <= FSize; ++r)
                if (!FBlockPictures[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)]) ComposeBlock(c, r);
    }
    for (int c = 1; c <= FSize; ++c)
        for (int r = 1; r <= FSize; ++r) DrawBlock(view, origin, c, r);
}

void TPuzzle::DrawBlock(TAC8ImageData& view, TPoint origin, int c, int r) {
    if (c < 1 || c > FSize || r < 1 || r > FSize) return;
    const TSizeTable& t = Table(FSize);
    TAC8ImageData& faces = Picture(FFaces, ("puzzle" + std::to_string(FSize)).c_str());
    if (FClosed) {
        const TPoint at{kBlocksLeft + t.Side * (c - 1) + origin.X, kClosedTop + t.Side * (r - 1) + origin.Y};
        view.Blit(at, faces, BlockSource(FSize, State(c, r), c, r));
        const bool solved = IsSolved();
        if (!(solved && FSolvedShown)) {
            TAC8ImageData& border = Picture(FBorder, SizeName(FSize, "border").c_str());
            view.Blit(at, border, border.GetBounds());
        }
        FreeBlockPicture(c, r);
        return;
    }
    if (!FBlockPictures[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)]) ComposeBlock(c, r);
    const TRect area = Offset(BlockArea(c, r), origin);
    TClipRestore restore(view);
    view.SetClipRect(area);
    view.FillRect(area, kPuzzleAreaFill);
    TAC8ImageData& stripsH = Picture(FBackgroundH, "puzbg_h");
    TAC8ImageData& stripsV = Picture(FBackgroundV, "puzbg_v");
    for (const TStripPiece& strip : kStrips) {
        const TRect placed{strip.At.X, strip.At.Y, strip.At.X + RectWidth(strip.Source), strip.At.Y + RectHeight(strip.Source)};
        if (Meets(Offset(placed, origin), area))
            view.Blit(TPoint{strip.At.X + origin.X, strip.At.Y + origin.Y}, strip.Vertical ? stripsV : stripsH, strip.Source);
    }
    DrawMechanism(view, origin);
    for (int oc = 1; oc <= FSize; ++oc)
        for (int orow = 1; orow <= FSize; ++orow) {
            const TRect placed = Offset(BlockPictureRect(oc, orow), origin);
            if (!Meets(placed, area)) continue;
            auto& picture = FBlockPictures[static_cast<std::size_t>(oc - 1)][static_cast<std::size_t>(orow - 1)];
            if (!picture) ComposeBlock(oc, orow);
            TAC8ImageData& image = picture->Image();
            view.Blit(TPoint{placed.Left, placed.Top}, image, image.GetBounds());
        }
}
