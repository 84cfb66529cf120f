#include "rooms/puzzle/puzzle_snapshot.h"

#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "platform/random.h"
#include "shell/record_reading.h"

namespace {

constexpr std::uint8_t kFormatMarker = 0;
constexpr std::int32_t kPictureSize = 240;

void DrawPuzzleKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    static_cast<const TPuzzleInfo&>(snapshot).Draw(surface, rect, library);
}

std::unique_ptr<TSnapshot> ReadPuzzleKind(TStream& s) { return TPuzzleInfo::Read(s); }

void WritePuzzleKind(const TSnapshot& snapshot, TStream& s) { static_cast<const TPuzzleInfo&>(snapshot).Write(s); }

}  // namespace

TPuzzleInfo::TPuzzleInfo(TPuzzle& puzzle, platform::RandomNumbers& random)
    : Size(static_cast<std::uint8_t>(puzzle.Size())), States(puzzle.States()), Solved(puzzle.IsSolved()) {
    for (int c = 0; c < Size; ++c)
        for (int r = 0; r < Size; ++r) {
            std::uint8_t& state = States[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            if (state % 2 != 0) state = static_cast<std::uint8_t>((state + (random.Next(100) < 50 ? 7 : 1)) % kPuzzleStates);
        }
}

std::unique_ptr<TPuzzleInfo> TPuzzleInfo::Read(TStream& s) {
    using namespace record_reading;
    ReadMarker(s, kFormatMarker);
    auto info = std::make_unique<TPuzzleInfo>();
    info->Size = ReadU8In(s, 2, kMostBlocks);
    for (auto& column : info->States)
        for (std::uint8_t& state : column) state = ReadU8In(s, 0, kPuzzleStates - 1);
    info->Solved = ReadFlag(s);
    return info;
}

void TPuzzleInfo::Write(TStream& s) const {
    WriteByte(s, kFormatMarker);
    WriteByte(s, Size);
    for (const auto& column : States)
        for (const std::uint8_t state : column) WriteByte(s, state);
    WriteByte(s, Solved);
}

void TPuzzleInfo::Draw(TAC8ImageData& target, const TRect& rect, TAC8Library& library) const {
    const auto canvas = THotImage::CreateBlank(kPictureSize, kPictureSize, &library);
    THotImage faces("puzzle" + std::to_string(Size), false, &library);
    THotImage border(std::to_string(Size) + "border", false, &library);
    TAC8ImageData& picture = canvas->Image();
    TAC8ImageData& pieces = faces.Image();
    const std::int32_t cell = kPictureSize / Size;
    for (int c = 1; c <= Size; ++c)
        for (int r = 1; r <= Size; ++r) {
            const TPoint at{cell * (c - 1), cell * (r - 1)};
            const std::uint8_t state = States[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)];
            picture.Blit(at, pieces, SnapshotBlockSource(Size, state, c, r));
            if (!Solved) picture.Blit(at, border.Image(), border.Image().GetBounds());
        }
    target.StretchBlit(rect, picture, picture.GetBounds());
}

void RegisterPuzzleSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kPuzzleSnapshotKind;
    kind.Thumbnail = {142, 142};
    kind.Full = {kPictureSize, kPictureSize};
    kind.Hung = {71, 71};
    kind.Draw = &DrawPuzzleKind;
    kind.Read = &ReadPuzzleKind;
    kind.Write = &WritePuzzleKind;
    RegisterSnapshotKind(kind);
}
