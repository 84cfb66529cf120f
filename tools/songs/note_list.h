#pragma once
// A song written as a note list, the source of one MIDI file of the game.
//
//   title Deck the Halls
//   tempo 168            quarter notes per minute
//   time 4/4             bar lines are checked against it
//   length 23            seconds the game's song table gives the song
//   melody program=74 volume=100 velocity=96 transpose=0
//     D5/4. C5/8 B4/4 A4 | G4 A4 B4 G4 | ...
//   chords program=49 bass=33 volume=80 style=held
//     G/1 | G/2 D/2 | ...
//
// Notes: a pitch (C4 is middle C; '#' sharp, 'b' flat) or r for a rest, then /1 /2 /4 /8 /16
// with an optional '.' for dotted; without a length a note keeps the previous one. A '~' at
// the end ties the note to the next one of the same pitch. Chords: a root (C, F#, Bb...) and
// a kind (none major, m, 7, m7, maj7, dim, aug, sus4, 6), then the length the same way.
// Bars: '|' checks that the bar is full (the first bar may be a pick-up, the last may be
// short); '|:' and ':|' play what lies between them twice.
// Programs are General MIDI instrument numbers 1..128 as the instrument list counts them.
#include <string>
#include <vector>

struct TSourceText;

constexpr int kTicksPerQuarter = 480;

struct TSongNote {
    int start = 0;   // ticks from the start of the song
    int length = 0;  // ticks
    int pitch = 60;  // MIDI note number
    int velocity = 96;
};

struct TSongTrack {
    std::string name;
    int program = 1;  // 1..128
    int channel = 0;  // 0..15, never 9 (the drum channel)
    int volume = 100;
    int pan = 64;
    std::vector<TSongNote> notes;
};

struct TSong {
    std::string title;
    double tempo = 120;  // quarter notes per minute
    int beatsPerBar = 4, beatUnit = 4;
    double tableLength = 0;  // seconds
    int totalTicks = 0;
    std::vector<TSongTrack> tracks;

    double Seconds() const { return totalTicks * 60.0 / (tempo * kTicksPerQuarter); }
};

// Throws ContentError naming the file and line of the first fault: an unknown word, a bar
// that does not add up, a tie to another pitch, or parts of different lengths.
TSong ParseNoteList(const TSourceText& text);

// Throws ContentError unless the song lasts about as long as the song table says: never
// more than 1.5 seconds over (the game cuts a song 3 seconds after its table length), and
// not much shorter.
void CheckSongLength(const TSong& song, const std::string& source);
