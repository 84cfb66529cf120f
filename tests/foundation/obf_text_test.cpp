// Record files: the records a text gives, the padding, scrambling round trips at the block
// boundaries, reading damaged files, and a conversion that fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/obf_text.h"
#include "foundation/vek_exception.h"
#include "tests/support/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::TempFolder;

std::vector<std::string> ReadAll(TObfText& records) {
    std::vector<std::string> lines;
    while (!records.Eof()) lines.push_back(records.ReadLine());
    return lines;
}

Bytes Records(const std::string& text, TObfText::TLineFilter filter = nullptr) {
    TempFolder folder;
    return TObfText::TextToRecords(folder.WriteText("in.txt", text), filter);
}

TEST(ObfTextTest, ShortLinesGiveOneRecordEachAndZeroPadding) {
    const Bytes bytes = Records("one\n  two  \n\n   \nthree\n");
    // 4 + 4 + 6 = 14 bytes of records, n = 4, padded to 16.
    const Bytes expected = {3, 'o', 'n', 'e', 3, 't', 'w', 'o', 5, 't', 'h', 'r', 'e', 'e', 0, 0};
    EXPECT_EQ(bytes, expected);
}

TEST(ObfTextTest, PaddingMakesTheSizeAMultipleOfTheBlockCount) {
    EXPECT_EQ(TObfText::PaddedSize(20), 24u) << "a whole block of zeros";
    EXPECT_EQ(TObfText::PaddedSize(21), 24u);
    EXPECT_EQ(TObfText::PaddedSize(0), 4u);
    EXPECT_EQ(TObfText::BlockCount(4 * 65280), 4u);
    EXPECT_EQ(TObfText::BlockCount(4 * 65280 + 4), 5u);
    // Where padding by a whole block would leave blocks of 65281 bytes, the padding grows
    // until the size suits its own block count.
    const std::size_t padded = TObfText::PaddedSize(4 * 65280);
    EXPECT_EQ(padded % TObfText::BlockCount(padded), 0u);
    EXPECT_LE(padded / TObfText::BlockCount(padded), 65280u);
}

TEST(ObfTextTest, FilterSeesUntrimmedLinesAndMayKeepEmptyOnes) {
    const auto keepAllButX = [](std::u16string& line) {
        if (line == u"x") return false;
        line += u"!";
        return true;
    };
    EXPECT_EQ(Records(" a \nx\n\n", keepAllButX), (Bytes{4, ' ', 'a', ' ', '!', 1, '!', 0}));
}

TEST(ObfTextTest, LongLinesAreCutAtBlanksWithPlusMarks) {
    std::string line(500, 'a');
    line[199] = ' ';
    line[399] = ' ';
    for (int i = 0; i < 500; ++i)
        if (line[i] != ' ') line[i] = static_cast<char>('a' + i % 26);
    Bytes bytes;
    TObfText::AppendLineRecords(bytes, line);
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < bytes.size(); at += 1 + bytes[at])
        pieces.emplace_back(bytes.begin() + at + 1, bytes.begin() + at + 1 + bytes[at]);
    EXPECT_EQ(pieces, (std::vector<std::string>{line.substr(0, 199), "+" + line.substr(200, 199),
                                                "+" + line.substr(400)}));

    const std::string solid(300, 'q');
    bytes.clear();
    TObfText::AppendLineRecords(bytes, solid);
    ASSERT_EQ(bytes.size(), 1u + 254 + 1 + 47);
    EXPECT_EQ(bytes[0], 254);
    EXPECT_EQ(bytes[255], 47);
    EXPECT_EQ(bytes[256], '+');
}

TEST(ObfTextTest, ScrambledFilesReadBackAroundTheBlockBoundaries) {
    TempFolder folder;
    // Totals just below, at and above multiples of the largest block size.
    const std::size_t block = 65280;
    for (const std::size_t total : std::vector<std::size_t>{1, 255, 4 * block - 4, 4 * block - 1, 4 * block,
                                                            4 * block + 1, 5 * block, 5 * block + 3}) {
        Bytes records;
        std::vector<std::string> lines;
        std::size_t left = total;
        for (int k = 0; left > 0; ++k) {
            // Records of up to 255 bytes; a last short one makes the total exact.
            const std::size_t size = std::min<std::size_t>(left, 255) - 1;
            std::string line(size, static_cast<char>('A' + k % 26));
            TObfText::AppendLineRecords(records, line);
            lines.push_back(line);
            left -= size + 1;
        }
        ASSERT_EQ(records.size(), total);
        records.resize(TObfText::PaddedSize(total), 0);
        const std::size_t padding = records.size() - total;
        Bytes scrambled = records;
        TObfText::Scramble(scrambled);
        if (total > 4) {
            EXPECT_NE(scrambled, records);
        }

        TObfText reader(scrambled);
        const std::vector<std::string> read = ReadAll(reader);
        ASSERT_EQ(read.size(), lines.size() + padding) << total;
        EXPECT_TRUE(std::equal(lines.begin(), lines.end(), read.begin())) << total;
        EXPECT_EQ(read.back(), "");
    }
}

TEST(ObfTextTest, WriteScrambledFileReadsBackAsTheTextsLines) {
    TempFolder folder;
    const auto text = folder.WriteText("init.txt", "ROOM LIVING\r\nBOX  1 2 3 4\nNo\xEBl\n");
    TObfText::WriteScrambledFile(text, folder.Path() / "init.dat");
    TObfText records(folder.Path() / "init.dat");
    std::vector<std::string> lines;
    for (std::string line = records.ReadLine(); !line.empty(); line = records.ReadLine()) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"ROOM LIVING", "BOX  1 2 3 4", "No\xEBl"}));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"init.dat", "init.txt"}));
}

TEST(ObfTextTest, DamagedRecordFilesAlwaysEnd) {
    TObfText missing(std::filesystem::path("/no/such/file.dat"));
    EXPECT_TRUE(missing.Eof());
    EXPECT_EQ(missing.ReadLine(), "");

    // Sizes of 5 are not a multiple of 4 blocks: read as they are.
    TObfText marker(Bytes{2, 'h', 'i', 255, 7});
    EXPECT_EQ(marker.ReadLine(), "hi");
    EXPECT_TRUE(marker.Eof()) << "an end marker ends a reader loop";
    EXPECT_EQ(marker.ReadLine(), "");
    EXPECT_EQ(marker.ReadLine(), "");

    TObfText cut(Bytes{1, 'a', 200, 'b', 'c'});
    EXPECT_EQ(cut.ReadLine(), "a");
    EXPECT_EQ(cut.ReadLine(), "bc");
    EXPECT_TRUE(cut.Eof());
}

TEST(ObfTextTest, AFailedConversionLeavesTheOldRecordFile) {
    TempFolder folder;
    const auto old = folder.Write("sounds.dat", Bytes{1, 2, 3, 4});
    // A folder in place of the text file opens but cannot be read.
    std::filesystem::create_directory(folder.Path() / "sounds.txt");
    EXPECT_THROW(TObfText::WriteScrambledFile(folder.Path() / "sounds.txt", old), VekException);
    EXPECT_THROW(TObfText::TextToRecordFile(folder.Path() / "missing.txt", old), VekException);
    EXPECT_EQ(TempFolder::Read(old), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"sounds.dat", "sounds.txt"}));
}

}  // namespace
