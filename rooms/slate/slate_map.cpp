#include "rooms/slate/slate_map.h"

#include <stdexcept>

#include "foundation/file_lookup.h"
#include "foundation/folders.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "rooms/slate/slate_pieces.h"
#include "shell/qe_exception.h"

namespace {

[[noreturn]] void MapDamaged(const std::string& why) {
    throw QEException(std::string("The slate map \"") + kSlateMapFileName + "\" is damaged: " + why + ".");
}

std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace

std::vector<std::uint8_t> TSlateMapRecord::Bytes() const {
    std::vector<std::uint8_t> out;
    out.reserve(ByteSize());
    const auto put16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    put16(Unused);
    put16(static_cast<std::uint32_t>(Seeds.size()));
    out.push_back(Index);
    for (const TSlateSeed& seed : Seeds) {
        put16(static_cast<std::uint32_t>(seed.X));
        put16(static_cast<std::uint32_t>(seed.Y));
        out.push_back(seed.Colour);
    }
    return out;
}

std::shared_ptr<const TSlateMap> TSlateMap::Parse(const std::vector<std::uint8_t>& bytes) {
    // Only the map's own bytes are read; whatever follows them is not the map's.
    if (bytes.size() < kSlateMapFileSize)
        MapDamaged("it is " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(kSlateMapFileSize));
    auto map = std::make_shared<TSlateMap>();
    map->FRecords.reserve(kSlateMapRecords);
    for (int i = 0; i < kSlateMapRecords; ++i) {
        const std::uint64_t start = static_cast<std::uint64_t>(U32At(bytes, 4 * static_cast<std::size_t>(i))) * 5;
        if (start + 5 > kSlateMapBodySize) MapDamaged("record " + std::to_string(i) + " starts outside the map");
        const std::size_t at = kSlateMapHeaderSize + static_cast<std::size_t>(start);
        const std::uint16_t count = U16At(bytes, at + 2);
        if (count == 0) MapDamaged("record " + std::to_string(i) + " has no regions");
        if (start + 5 + 5 * static_cast<std::uint64_t>(count) > kSlateMapBodySize)
            MapDamaged("record " + std::to_string(i) + " runs past the end of the map");
        TSlateMapRecord record;
        record.Unused = U16At(bytes, at);
        record.Index = bytes[at + 4];
        const std::int32_t width = SlateObjectWidth(i), height = SlateObjectHeight(i);
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t p = at + 5 + 5 * k;
            TSlateSeed seed{U16At(bytes, p), U16At(bytes, p + 2), bytes[p + 4]};
            if (seed.X >= width || seed.Y >= height)
                MapDamaged("a seed of record " + std::to_string(i) + " lies outside its picture");
            record.Seeds.push_back(seed);
        }
        map->FRecords.push_back(std::move(record));
    }
    return map;
}

std::shared_ptr<const TSlateMap> TSlateMap::Load(const std::filesystem::path& file) {
    std::vector<std::uint8_t> bytes(kSlateMapFileSize);
    std::size_t read = 0;
    try {
        TFileStream stream(file, TFileStream::Mode::ReadOnly);
        read = stream.Read(bytes.data(), bytes.size());
    } catch (const VekException&) {
        throw QEException(std::string("Sorry! We cannot find the needed file \"") + kSlateMapFileName + "\".");
    }
    bytes.resize(read);
    return Parse(bytes);
}

std::shared_ptr<const TSlateMap> TSlateMap::LoadFromDataFolder() {
    return Load(DataFilePath(Folders().DataFolder, kSlateMapFileName));
}

TSlateMapRecord TSlateMap::Record(int index) const {
    if (index < 0 || index >= kSlateMapRecords) throw std::out_of_range("slate map record");
    TSlateMapRecord record = FRecords[static_cast<std::size_t>(index)];
    // The copy an object keeps says which record it is.
    record.Index = static_cast<std::uint8_t>(index);
    return record;
}

std::size_t TSlateMap::RegionCount(int index) const {
    if (index < 0 || index >= kSlateMapRecords) return 0;
    return FRecords[static_cast<std::size_t>(index)].Seeds.size();
}
