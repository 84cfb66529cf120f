// The song file check: well-formed files of each format pass, and every kind of damage that
// would send the synthesiser's reader past a chunk, or into a track without a status, fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/song_file_check.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(std::uint8_t(v >> shift));
}

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b(id, id + 4);
    Put32(b, std::uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes Header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division = 96) {
    return Chunk("MThd", {std::uint8_t(format >> 8), std::uint8_t(format), std::uint8_t(tracks >> 8), std::uint8_t(tracks),
                          std::uint8_t(division >> 8), std::uint8_t(division)});
}

// A tempo, a program change, a note with running status for its release, a long delta time,
// a system-exclusive message and the end of the track.
const Bytes kTrack{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo
                   0x00, 0xC0, 0x05,                          // program change: one data byte
                   0x00, 0x90, 0x3C, 0x64,                    // note on
                   0x83, 0x60, 0x3C, 0x00,                    // running status, delta 480
                   0x00, 0xF0, 0x02, 0x7E, 0xF7,              // system exclusive
                   0x00, 0xFF, 0x2F, 0x00};

Bytes Song(const std::vector<Bytes>& tracks, std::uint16_t format = 1) {
    Bytes b = Header(format, std::uint16_t(tracks.size()));
    for (const Bytes& t : tracks) {
        const Bytes c = Chunk("MTrk", t);
        b.insert(b.end(), c.begin(), c.end());
    }
    return b;
}

bool Passes(const Bytes& b, std::string* why = nullptr) { return platform::IsPlayableSongFile(b, why); }

TEST(SongFileCheck, WellFormedFilesOfEachFormatPassAndUnknownChunksAreSkipped) {
    EXPECT_TRUE(Passes(Song({kTrack}, 0)));
    EXPECT_TRUE(Passes(Song({kTrack, kTrack, kTrack}, 1)));
    EXPECT_TRUE(Passes(Song({kTrack, kTrack}, 2)));
    Bytes withOther = Song({kTrack});
    const Bytes other = Chunk("XYZW", {1, 2, 3});
    withOther.insert(withOther.begin() + 14, other.begin(), other.end());
    EXPECT_TRUE(Passes(withOther));
    // A longer header keeps its extra bytes to itself; SMPTE time of 25 frames.
    Bytes longHeader = Chunk("MThd", {0, 0, 0, 1, 0xE7, 40, 9, 9});
    const Bytes track = Chunk("MTrk", kTrack);
    longHeader.insert(longHeader.end(), track.begin(), track.end());
    EXPECT_TRUE(Passes(longHeader));
}

TEST(SongFileCheck, DamagedHeadersFail) {
    std::string why;
    EXPECT_FALSE(Passes({}, &why));
    EXPECT_FALSE(Passes({'M', 'T', 'h', 'd'}, &why));
    EXPECT_EQ(why, "no MIDI header chunk");
    Bytes riff = Song({kTrack});
    riff[0] = 'R';
    EXPECT_FALSE(Passes(riff));
    EXPECT_FALSE(Passes(Song({kTrack}, 3)));                       // unknown format
    EXPECT_FALSE(Passes(Song({kTrack, kTrack}, 0)));               // format 0 with two tracks
    EXPECT_FALSE(Passes(Header(1, 0)));                            // no tracks
    Bytes zeroDivision = Header(0, 1, 0);
    const Bytes track = Chunk("MTrk", kTrack);
    zeroDivision.insert(zeroDivision.end(), track.begin(), track.end());
    EXPECT_FALSE(Passes(zeroDivision, &why));
    EXPECT_EQ(why, "the header's time division is zero");
    Bytes badFrames = Header(0, 1, 0xE500 | 40);  // -27 frames
    badFrames.insert(badFrames.end(), track.begin(), track.end());
    EXPECT_FALSE(Passes(badFrames));
    Bytes hugeHeader = Song({kTrack});
    hugeHeader[4] = 0x7F;                                          // header longer than the file
    EXPECT_FALSE(Passes(hugeHeader));
    Bytes shortHeader = Song({kTrack});
    shortHeader[7] = 5;
    EXPECT_FALSE(Passes(shortHeader));
}

TEST(SongFileCheck, ChunksAndTracksThatRunPastTheirEndsOrMissTheirTracksFail) {
    std::string why;
    Bytes cut = Song({kTrack});
    cut.pop_back();
    EXPECT_FALSE(Passes(cut, &why));
    EXPECT_EQ(why, "a chunk runs past the end of the file");
    Bytes trailing = Song({kTrack});
    trailing.push_back(0);
    EXPECT_FALSE(Passes(trailing, &why));
    Bytes missingTrack = Song({kTrack, kTrack});
    missingTrack[11] = 3;                                          // the header claims three
    EXPECT_FALSE(Passes(missingTrack, &why));

    const auto withTrack = [](Bytes track) { return Song({track}); };
    EXPECT_FALSE(Passes(withTrack({0x00, 0x90, 0x3C, 0x64}), &why));  // no end of track
    EXPECT_EQ(why, "a track has no end-of-track event");
    EXPECT_FALSE(Passes(withTrack({0x00, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00}), &why));  // data before any status
    EXPECT_EQ(why, "a data byte stands where a status byte must");
    EXPECT_FALSE(Passes(withTrack({0x00, 0xFF, 0x03, 0x7F, 'a'})));  // meta text longer than the track
    EXPECT_FALSE(Passes(withTrack({0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F})));  // length of five bytes
    EXPECT_FALSE(Passes(withTrack({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x2F, 0x00})));  // delta of five bytes
    EXPECT_FALSE(Passes(withTrack({0x00, 0x90, 0x3C, 0xE4, 0x00, 0xFF, 0x2F, 0x00})));  // data byte with top bit
    EXPECT_FALSE(Passes(withTrack({0x00, 0xF8, 0x00, 0xFF, 0x2F, 0x00})));               // real-time byte
    EXPECT_FALSE(Passes(withTrack({0x00, 0xFF, 0x2F, 0x01, 0x00})));                    // end of track with data
    // Running status does not survive a meta event.
    EXPECT_FALSE(Passes(withTrack({0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00})));
    // Events after the end of the track are never read, so they may be anything.
    EXPECT_TRUE(Passes(withTrack({0x00, 0xFF, 0x2F, 0x00, 0xF8, 0xF8})));
}

}  // namespace
