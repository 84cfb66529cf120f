// Reads back every song the build made, with a small Standard MIDI File reader of its own,
// and checks it against the game's song table.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/song_file_check.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kSongs = std::filesystem::path(ZORVIK_GAME_DIR) / "dat" / "mid";

// The game's song table: file name and length in seconds of songs 1 to 17 (18 is "any").
const std::map<std::string, int> kSongTable = {
    {"theme", 67},    {"tumble", 9},    {"angels", 27},   {"angelswe", 42}, {"dth", 23},
    {"faithful", 40}, {"godrest", 24},  {"goodking", 30}, {"hollyivy", 41}, {"manger", 35},
    {"midclear", 35}, {"oltob", 42},    {"silent", 55},   {"torch", 20},    {"wethree", 39},
    {"3ships", 41},   {"12days", 56}};

struct TMidiSummary {
    std::string error;  // empty when the file reads cleanly
    int format = -1, tracks = 0, division = 0;
    double seconds = 0;
    int notes = 0;
    bool drumChannelUsed = false;
    int unmatchedNotes = 0;  // note-ons without their note-off, and the reverse
};

class TReader {
public:
    explicit TReader(std::vector<std::uint8_t> bytes) : FBytes(std::move(bytes)) {}
    bool Has(std::size_t n) const { return FAt + n <= FBytes.size(); }
    std::uint8_t Byte() { return FBytes.at(FAt++); }
    std::uint32_t Big(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | Byte();
        return v;
    }
    std::uint32_t VarLength() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b = Byte();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        throw std::runtime_error("variable-length number longer than 4 bytes");
    }
    std::string Tag() {
        std::string t;
        for (int i = 0; i < 4; ++i) t += static_cast<char>(Byte());
        return t;
    }
    std::size_t At() const { return FAt; }
    void Skip(std::size_t n) { FAt += n; }

private:
    std::vector<std::uint8_t> FBytes;
    std::size_t FAt = 0;
};

TMidiSummary ReadMidi(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    TReader r({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    TMidiSummary s;
    try {
        if (r.Tag() != "MThd" || r.Big(4) != 6) throw std::runtime_error("no MThd header");
        s.format = static_cast<int>(r.Big(2));
        s.tracks = static_cast<int>(r.Big(2));
        s.division = static_cast<int>(r.Big(2));
        double microsecondsPerQuarter = 500000;
        std::uint32_t longest = 0;
        for (int t = 0; t < s.tracks; ++t) {
            if (r.Tag() != "MTrk") throw std::runtime_error("missing MTrk");
            std::uint32_t length = r.Big(4);
            std::size_t end = r.At() + length;
            std::uint32_t tick = 0;
            std::map<int, int> sounding;  // channel * 128 + pitch -> count
            bool ended = false;
            while (r.At() < end) {
                tick += r.VarLength();
                std::uint8_t status = r.Byte();
                if (status == 0xFF) {
                    std::uint8_t type = r.Byte();
                    std::uint32_t length = r.VarLength();
                    if (type == 0x51) microsecondsPerQuarter = r.Big(3);
                    else r.Skip(length);
                    if (type == 0x2F) ended = true;
                    continue;
                }
                if (status < 0x80) throw std::runtime_error("running status is not written by the tool");
                int channel = status & 0x0F;
                int kind = status & 0xF0;
                int data1 = r.Byte();
                int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : r.Byte();
                if (channel == 9) s.drumChannelUsed = true;
                if (kind == 0x90 && data2 > 0) {
                    ++sounding[channel * 128 + data1];
                    ++s.notes;
                } else if (kind == 0x80 || kind == 0x90) {
                    if (--sounding[channel * 128 + data1] < 0) ++s.unmatchedNotes;
                }
            }
            if (r.At() != end || !ended) throw std::runtime_error("track length or end-of-track mark wrong");
            for (const auto& [key, count] : sounding) s.unmatchedNotes += count > 0 ? count : 0;
            longest = std::max(longest, tick);
        }
        s.seconds = longest / static_cast<double>(s.division) * microsecondsPerQuarter / 1e6;
    } catch (const std::exception& e) {
        s.error = e.what();
    }
    return s;
}

TEST(BuiltSongs, EverySongOfTheTableReadsBackCleanly) {
    for (const auto& [name, length] : kSongTable) {
        SCOPED_TRACE(name);
        TMidiSummary s = ReadMidi(kSongs / (name + ".mid"));
        ASSERT_EQ(s.error, "");
        // The game plays only what its own check passes.
        std::ifstream in(kSongs / (name + ".mid"), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string why;
        EXPECT_TRUE(platform::IsPlayableSongFile(bytes, &why)) << why;
        EXPECT_EQ(s.format, 1);
        EXPECT_GE(s.tracks, 3);  // conductor, melody and accompaniment
        EXPECT_GT(s.notes, 40);
        EXPECT_FALSE(s.drumChannelUsed);  // a melody on channel 10 would play as drums
        EXPECT_EQ(s.unmatchedNotes, 0);
        // The game stops a song 3 seconds after its table length; it must have ended by then,
        // and should not stop long before.
        EXPECT_LT(s.seconds, length + 3.0);
        EXPECT_GT(s.seconds, length * 0.8);
    }
}

TEST(BuiltSongs, NoSongBeyondTheTable) {
    for (const auto& file : std::filesystem::directory_iterator(kSongs)) {
        if (file.path().extension() == ".mid") {
            EXPECT_TRUE(kSongTable.count(file.path().stem().string())) << file.path();
        }
    }
}

}  // namespace
