// The fill map: the built one parses, and damaged ones are refused whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/stream.h"
#include "rooms/slate/slate_map.h"
#include "rooms/slate/slate_pieces.h"
#include "shell/qe_exception.h"
#include "tests/support/temp_folder.h"

namespace {

const std::filesystem::path kMap = std::filesystem::path(ZORVIK_GAME_DIR) / "dat" / "slatemap.dat";

std::vector<std::uint8_t> BuiltMap() { return ReadWholeFile(kMap); }

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t Start(const std::vector<std::uint8_t>& b, int record) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b[static_cast<std::size_t>(4 * record + i)];
    return v;
}

TEST(SlateMap, TheBuiltMapHasEveryRecordWithSeedsInsideItsPicture) {
    const auto map = TSlateMap::Parse(BuiltMap());
    for (int i = 0; i < kSlateMapRecords; ++i) {
        const TSlateMapRecord record = map->Record(i);
        EXPECT_EQ(record.Index, i);
        ASSERT_GE(record.Seeds.size(), 1u) << "record " << i;
        EXPECT_EQ(record.ByteSize(), 5 + 5 * record.Seeds.size());
        for (const TSlateSeed& seed : record.Seeds) {
            EXPECT_LT(seed.X, SlateObjectWidth(i));
            EXPECT_LT(seed.Y, SlateObjectHeight(i));
            EXPECT_NE(seed.Colour, kOutlineColour);
        }
    }
    EXPECT_THROW(map->Record(40), std::out_of_range);
}

TEST(SlateMap, ShortAndInconsistentFilesAreRefused) {
    const std::vector<std::uint8_t> good = BuiltMap();
    ASSERT_EQ(good.size(), kSlateMapFileSize);
    const auto refused = [](const std::vector<std::uint8_t>& bytes) {
        try {
            TSlateMap::Parse(bytes);
        } catch (const QEException& e) {
            return std::string(e.what()).find("slatemap.dat") != std::string::npos;
        }
        return false;
    };
    std::vector<std::uint8_t> shorter(good.begin(), good.end() - 1);
    EXPECT_TRUE(refused(shorter));
    EXPECT_TRUE(refused({}));

    std::vector<std::uint8_t> outside = good;
    Put32(outside, 4 * 39, static_cast<std::uint32_t>(kSlateMapBodySize / 5));
    EXPECT_TRUE(refused(outside)) << "a record starting past the body";
    Put32(outside, 4 * 39, 0xFFFFFFFFu);
    EXPECT_TRUE(refused(outside)) << "an offset that overflows";

    std::vector<std::uint8_t> empty = good;
    const std::size_t at = kSlateMapHeaderSize + 5 * Start(good, 3);
    empty[at + 2] = 0;
    empty[at + 3] = 0;
    EXPECT_TRUE(refused(empty)) << "a record without regions";

    std::vector<std::uint8_t> overrun = good;
    overrun[at + 2] = 0xFF;
    overrun[at + 3] = 0x02;
    EXPECT_TRUE(refused(overrun)) << "a region count running past the body";

    std::vector<std::uint8_t> seedOff = good;
    seedOff[at + 5] = 0xFF;
    seedOff[at + 6] = 0xFF;
    EXPECT_TRUE(refused(seedOff)) << "a seed outside its picture";
}

TEST(SlateMap, ALongerFileIsReadAsItsFirstMapsWorthOfBytes) {
    testing_support::TempFolder folder;
    std::vector<std::uint8_t> longer = BuiltMap();
    // Bytes after the map that would be a damaged map if they were read as one.
    longer.insert(longer.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    const auto built = TSlateMap::Load(kMap);
    const auto map = TSlateMap::Load(folder.Write("slatemap.dat", std::vector<std::uint8_t>(longer.begin(), longer.end() - 4)));
    const auto much = TSlateMap::Load(folder.Write("slatemap.dat", longer));
    for (int i = 0; i < kSlateMapRecords; ++i) {
        EXPECT_EQ(map->Record(i), built->Record(i)) << "record " << i;
        EXPECT_EQ(much->Record(i), built->Record(i)) << "record " << i;
    }
    EXPECT_THROW(TSlateMap::Load(folder.Write("slatemap.dat", std::vector<std::uint8_t>(longer.begin(), longer.begin() + 3389))),
                 QEException);
}

TEST(SlateMap, AMissingFileFailsWithTheFilesName) {
    try {
        TSlateMap::Load(kMap.parent_path() / "no-such-map.dat");
        FAIL() << "loaded a missing map";
    } catch (const QEException& e) {
        EXPECT_NE(std::string(e.what()).find("slatemap.dat"), std::string::npos);
    }
}

}  // namespace
