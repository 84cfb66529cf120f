#pragma once
// The slate's fill map, slatemap.dat: one record per colouring page (0..7) and per sticker
// (8..39), each listing a seed point and a starting colour for every region of its picture.
// Layout (little-endian, 3390 bytes): 40 UInt32 record starts, counted in 5-byte units from
// the start of the body, then the 3230-byte body. A record: UInt16 (unused), UInt16 region
// count n, a byte (the record's own index), then n times UInt16 x, UInt16 y, byte colour.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "foundation/geometry.h"

inline constexpr int kSlateMapRecords = 40;
inline constexpr int kSlateBackgrounds = 8;
inline constexpr std::size_t kSlateMapHeaderSize = 4 * kSlateMapRecords;
inline constexpr std::size_t kSlateMapBodySize = 3230;
inline constexpr std::size_t kSlateMapFileSize = kSlateMapHeaderSize + kSlateMapBodySize;
inline constexpr char kSlateMapFileName[] = "slatemap.dat";

struct TSlateSeed {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint8_t Colour = 0;
    friend bool operator==(const TSlateSeed&, const TSlateSeed&) = default;
};

// One object's copy of its map record; the colours follow the object's regions.
struct TSlateMapRecord {
    std::uint16_t Unused = 0;
    std::uint8_t Index = 0;
    std::vector<TSlateSeed> Seeds;

    // 5 + 5n bytes, as in the file.
    std::size_t ByteSize() const { return 5 + 5 * Seeds.size(); }
    std::vector<std::uint8_t> Bytes() const;
    friend bool operator==(const TSlateMapRecord&, const TSlateMapRecord&) = default;
};

class TSlateMap {
public:
    // Reads the first 3390 bytes (a shorter file is damaged) and checks them: every record inside the body with at least one
    // region, and every seed inside its picture (the slate's size for pages, the sticker's
    // size for stickers). A fault raises QEException naming the file as damaged.
    static std::shared_ptr<const TSlateMap> Parse(const std::vector<std::uint8_t>& bytes);
    // Reads and checks the file's first 3390 bytes; a missing file raises QEException too.
    static std::shared_ptr<const TSlateMap> Load(const std::filesystem::path& file);
    // The map in the game's data folder.
    static std::shared_ptr<const TSlateMap> LoadFromDataFolder();

    // Record 0..39 (a copy); other indices raise std::out_of_range.
    TSlateMapRecord Record(int index) const;
    std::size_t RegionCount(int index) const;

private:
    std::vector<TSlateMapRecord> FRecords;
};

