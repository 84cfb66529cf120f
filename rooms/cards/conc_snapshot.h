#pragma once
// The card table as an album snapshot (kind 1): which of the 17 faces were lit when it was
// taken. Its stream is the class-id byte 0 and one byte per face, 0 or 1.
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/cards/concentration.h"

class TAC8ImageData;
class TAC8Library;
class TStream;

inline constexpr std::uint8_t kConcSnapshotKind = 1;
inline constexpr std::int32_t kConcFullWidth = 259;
inline constexpr std::int32_t kConcFullHeight = 157;

class TConcInfo final : public TSnapshot {
public:
    TConcInfo() = default;
    explicit TConcInfo(const TConcentration& game);
    // Damage (a marker other than 0, a face byte other than 0 or 1) raises "Saved game is
    // damaged.".
    static std::unique_ptr<TConcInfo> Read(TStream& s);
    void Write(TStream& s) const;
    // The room's picture with each face lit or unlit, its shelves stretched into rect.
    void Draw(TAC8ImageData& target, const TRect& rect, TAC8Library& library) const;

    std::array<bool, kConcFaces> FaceShown{};
};

void RegisterConcSnapshotKind();
