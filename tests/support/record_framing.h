#pragma once
// Saved-game and album records carry no framing: each reader must take exactly the bytes its
// writer gave, or every record after it is read from the wrong place. This is the one check
// every room kind and snapshot kind puts its record through, in tests and in the fuzz
// targets alike: write the record, read it back with guard bytes behind it, and check that
// the read stopped exactly where the record ends and that writing again gives the same bytes.
// It reports what went wrong as text (empty when the record is framed), so it serves both
// GoogleTest (EXPECT_EQ(..., "")) and the fuzz targets, which abort on any text.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/stream.h"
#include "shell/room.h"
#include "shell/room_kinds.h"

namespace testing_support {

using TRecordWriter = std::function<void(TStream&)>;
using TRecordReader = std::function<void(TStream&)>;

// Bytes placed behind the record: a reader that takes too many takes these instead of
// failing at the end of the stream, and the position tells.
inline constexpr std::size_t kRecordGuardBytes = 16;
inline constexpr std::uint8_t kRecordGuardByte = 0xA5;

// write gives the record; read reads it into a fresh object; writeAgain writes that object.
inline std::string CheckRecordFraming(const TRecordWriter& write, const TRecordReader& read,
                                      const TRecordWriter& writeAgain) {
    TMemoryStream first;
    write(first);
    const std::vector<std::uint8_t> written = first.Bytes();
    std::vector<std::uint8_t> guarded = written;
    guarded.insert(guarded.end(), kRecordGuardBytes, kRecordGuardByte);
    TMemoryStream input(std::move(guarded));
    try {
        read(input);
    } catch (const std::exception& e) {
        return "reading the record back failed: " + std::string(e.what());
    }
    const auto consumed = static_cast<std::size_t>(input.Position());
    if (consumed != written.size())
        return "the record is " + std::to_string(written.size()) + " bytes but reading it took " +
               std::to_string(consumed);
    TMemoryStream second;
    writeAgain(second);
    if (second.Bytes() != written)
        return "the record read back writes " + std::to_string(second.Bytes().size()) +
               " bytes that differ from the " + std::to_string(written.size()) + " written first";
    return {};
}

// A room's own record (WriteData / ReadData), read into fresh, a new room of the same kind.
inline std::string CheckRoomRecordFraming(TRoom& room, TRoom& fresh) {
    return CheckRecordFraming([&](TStream& s) { room.WriteData(s); }, [&](TStream& s) { fresh.ReadData(s); },
                              [&](TStream& s) { fresh.WriteData(s); });
}

}  // namespace testing_support
