#include <gtest/gtest.h>

#include <string>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"
#include "tools/songs/midi_file.h"
#include "tools/songs/note_list.h"

namespace {

const std::string kHeader = "title Test\ntempo 120\ntime 4/4\nlength 4\n";

TSong Song(const std::string& body) { return ParseNoteList(ParseSourceText(kHeader + body, "test.notes")); }

std::string ErrorOf(const std::string& body) {
    try {
        Song(body);
    } catch (const ContentError& e) {
        return e.what();
    }
    return "";
}

TEST(NoteList, NotesLengthsTiesAndRepeats) {
    TSong s = Song("melody program=74\nC4/4 D4/8 E4 F#4/4. r/8 | |: G4/2~ G4/4 A4 :|\n");
    ASSERT_EQ(s.tracks.size(), 1u);
    const std::vector<TSongNote>& n = s.tracks[0].notes;
    ASSERT_EQ(n.size(), 4u + 4u);
    EXPECT_EQ(n[0].pitch, 60);
    EXPECT_EQ(n[2].length, 240);  // E4 keeps the eighth of D4
    EXPECT_EQ(n[3].pitch, 66);
    EXPECT_EQ(n[3].length, 720);
    // G4/2~ G4/4 is one note of three beats, and the repeat plays the bar twice.
    EXPECT_EQ(n[4].pitch, 67);
    EXPECT_EQ(n[4].start, 1920);
    EXPECT_EQ(n[4].length, 1440);
    EXPECT_EQ(n[6].start, 3840);
    EXPECT_EQ(s.totalTicks, 3 * 1920);
    EXPECT_EQ(s.tracks[0].program, 74);
    EXPECT_GT(n[0].velocity, n[1].velocity);  // the first beat of a bar is a little stronger
}

TEST(NoteList, ChordsBecomeABassAndAVoicingBelowTheMelody) {
    TSong s = Song("melody\nE5/1 | C5/1 |\nchords program=49 bass=33 style=beats\nC/1 | Am/1 |\n");
    ASSERT_EQ(s.tracks.size(), 3u);
    const TSongTrack& pad = s.tracks[1];
    const TSongTrack& bass = s.tracks[2];
    EXPECT_NE(pad.channel, bass.channel);
    ASSERT_EQ(pad.notes.size(), 6u);
    for (const TSongNote& n : pad.notes) {
        EXPECT_GE(n.pitch, 55);
        EXPECT_LT(n.pitch, 67);
    }
    // Beats style: the bass walks root, fifth, root, fifth through each whole-bar chord.
    ASSERT_EQ(bass.notes.size(), 8u);
    EXPECT_EQ(bass.notes[0].pitch, 36);  // C2
    EXPECT_EQ(bass.notes[1].pitch, 43);  // G2
    EXPECT_EQ(bass.notes[4].pitch, 45);  // A2
    EXPECT_EQ(bass.notes[5].pitch, 40);  // E2, the fifth kept in the bass octave
}

TEST(NoteList, APickUpAndAShortLastBarAreMusicButAShortMiddleBarIsATypo) {
    EXPECT_EQ(ErrorOf("melody\nG4/4 | C5/1 | C5/2. |\n"), "");
    std::string message = ErrorOf("melody\nC5/1 |\nD5/2 D5/8 |\nE5/1 |\n");
    EXPECT_NE(message.find("test.notes:7: a bar lasts 1200 ticks, not 1920"), std::string::npos) << message;
    EXPECT_NE(ErrorOf("melody\nC5/1 C5/4 |\n").find("a bar lasts 2400"), std::string::npos);
}

TEST(NoteList, RefusesWhatWouldPlayWrongly) {
    EXPECT_NE(ErrorOf("melody\nC4/2~ D4/2 |\n").find("same pitch"), std::string::npos);
    EXPECT_NE(ErrorOf("melody\nC4/1~\n").find("ends with a tie"), std::string::npos);
    EXPECT_NE(ErrorOf("melody\nC4/3 |\n").find("no valid length"), std::string::npos);
    EXPECT_NE(ErrorOf("melody\nH4/4 |\n").find("not a note"), std::string::npos);
    EXPECT_NE(ErrorOf("melody\nC4/1 |\nchords\nCx/1 |\n").find("not a chord"), std::string::npos);
    EXPECT_NE(ErrorOf("melody\nC4/1 |\nchords\nC/2 |\n").find("this part lasts 960 ticks, the melody 1920"),
              std::string::npos);
    EXPECT_NE(ErrorOf("melody program=0\nC4/1\n").find("\"program\""), std::string::npos);
    EXPECT_NE(ErrorOf("chords\nC/1\n").find("begins with its melody"), std::string::npos);
    EXPECT_NE(ErrorOf("tune\n").find("unknown word \"tune\""), std::string::npos);
    try {
        ParseNoteList(ParseSourceText("melody\nC4/1\n", "t"));
        ADD_FAILURE();
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("tempo, time and length"), std::string::npos);
    }
}

TEST(NoteList, ASongMustFitItsPlaceInTheSongTable) {
    TSong s = Song("melody\nC4/1 | C4/1 | C4/1 | C4/1 |\n");  // 8 s at 120
    s.tableLength = 8;
    EXPECT_NO_THROW(CheckSongLength(s, "t"));
    s.tableLength = 6;  // the game would cut it off
    EXPECT_THROW(CheckSongLength(s, "t"), ContentError);
    s.tableLength = 12;  // it would leave a long silence
    EXPECT_THROW(CheckSongLength(s, "t"), ContentError);
}

TEST(MidiFile, HeaderTempoAndProgramsAreWhereTheSequencerLooks) {
    TSong s = Song("melody program=74 volume=90\nC4/1 |\n");
    std::vector<std::uint8_t> b = MidiFileBytes(s);
    ASSERT_GE(b.size(), 22u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
    EXPECT_EQ(b[9], 1);   // format 1
    EXPECT_EQ(b[11], 2);  // conductor + melody
    EXPECT_EQ((b[12] << 8) | b[13], 480);
    std::string bytes(b.begin(), b.end());
    EXPECT_NE(bytes.find(std::string("\xFF\x51\x03\x07\xA1\x20", 6)), std::string::npos);  // 500000 µs a quarter
    EXPECT_NE(bytes.find(std::string("\xC0\x49", 2)), std::string::npos);                  // program 74, counted from 0
    EXPECT_NE(bytes.find(std::string("\xB0\x07\x5A", 3)), std::string::npos);              // volume 90
}

}  // namespace
