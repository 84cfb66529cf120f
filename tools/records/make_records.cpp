// make_records: writes the record files the game reads its init script and sound list from,
// through the same filters the game's loaders use when they rebuild them, so a shipped record
// file holds exactly what the game would have made of its text.
//   make_records <init.txt> <init.dat> <sounds.txt> <sounds.dat>
#include <cstdio>
#include <exception>

#include "foundation/obf_text.h"
#include "shell/init_script.h"
#include "shell/sound_list_loader.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_records <init.txt> <init.dat> <sounds.txt> <sounds.dat>\n");
        return 2;
    }
    try {
        TObfText::WriteScrambledFile(argv[1], argv[2], InitScriptFilter);
        TObfText::WriteScrambledFile(argv[3], argv[4], SoundListFilter);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_records: %s\n", e.what());
        return 1;
    }
}
