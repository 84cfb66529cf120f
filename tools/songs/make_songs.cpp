// make_songs: turns note lists into the game's MIDI files.
//   make_songs <output folder> <song.notes>...
// Each <name>.notes becomes <output>/<name>.mid; its length is checked against the song table.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/common/source_text.h"
#include "tools/songs/midi_file.h"
#include "tools/songs/note_list.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_songs <output folder> <song.notes>...\n");
        return 2;
    }
    try {
        fs::path output = argv[1];
        fs::create_directories(output);
        for (int i = 2; i < argc; ++i) {
            fs::path source = argv[i];
            TSong song = ParseNoteList(ReadSourceFile(source));
            CheckSongLength(song, source.string());
            WriteMidiFile(output / (source.stem().string() + ".mid"), song);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_songs: %s\n", e.what());
        return 1;
    }
}
