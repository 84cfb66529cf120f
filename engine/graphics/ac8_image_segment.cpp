#include "engine/graphics/ac8_codec.h"
#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"

#include <utility>

TAC8ImageSegment::TAC8ImageSegment(TAC8Image& owner, std::uint16_t index) : FOwner(owner), FIndex(index) {}

std::uint32_t TAC8ImageSegment::RowCount() const { return FOwner.Geometry().RowsOf(FIndex); }

std::uint32_t TAC8ImageSegment::FirstRow() const { return FOwner.Geometry().FirstRowOf(FIndex); }

std::uint32_t TAC8ImageSegment::Size() const {
    if (IsEncoded()) return FStoredSize;
    return RowCount() * FOwner.RowStride();
}

std::uint8_t* TAC8ImageSegment::Pixels() const {
    std::uint8_t* base = FOwner.Pixels();
    if (base == nullptr) return nullptr;
    return base + std::size_t(FirstRow()) * FOwner.RowStride();
}

std::uint8_t* TAC8ImageSegment::MakeRoomForStoredBytes(std::uint32_t size) {
    FStored.reset(new std::uint8_t[size]);
    FStoredSize = size;
    return FStored.get();
}

std::uint8_t* TAC8ImageSegment::Lock() {
    if (FOwner.Pixels() == nullptr) throw AC8Exception("Segment Lock: segment buffer not allocated");
    Decode();
    return Pixels();
}

void TAC8ImageSegment::Decode() {
    if (!IsEncoded()) return;
    const std::unique_ptr<std::uint8_t[]> stored = std::move(FStored);
    const std::uint32_t size = std::exchange(FStoredSize, 0);
    DecodeFrom({stored.get(), size});
}

void TAC8ImageSegment::DecodeFrom(std::span<const std::uint8_t> stored) {
    const TAC8StripLayout layout{FOwner.Width(), RowCount(), FOwner.RowStride()};
    DecodeSegment(stored, EscapeA, EscapeB, Flags, layout, Pixels());
    Flags &= static_cast<std::uint8_t>(~AC8FlagEncoded);
}
