#pragma once
// A puzzle as an album snapshot (kind 5): its size, the state of every cube (whole faces
// only) and whether it was solved when taken. Its stream is 19 bytes: the class-id byte 0,
// the size, 16 states column by column (four a column whatever the size), solved.
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/puzzle/puzzle.h"

class TAC8ImageData;
class TAC8Library;
class TStream;

inline constexpr std::uint8_t kPuzzleSnapshotKind = 5;

class TPuzzleInfo final : public TSnapshot {
public:
    TPuzzleInfo() = default;
    // Solved as the puzzle stands; a half-turned cube is then settled at random on one of
    // its faces, as closing the frame would.
    explicit TPuzzleInfo(TPuzzle& puzzle, platform::RandomNumbers& random);
    // A marker other than 0, a size other than 2 to 4, a state above 7 or a solved byte
    // above 1 raises "Saved game is damaged.".
    static std::unique_ptr<TPuzzleInfo> Read(TStream& s);
    void Write(TStream& s) const;
    // The whole picture, each cube's face from its picture, framed cube by cube unless
    // solved, stretched into rect.
    void Draw(TAC8ImageData& target, const TRect& rect, TAC8Library& library) const;

    std::uint8_t Size = 2;
    TPuzzleStates States{};
    bool Solved = false;
};

void RegisterPuzzleSnapshotKind();
