// make_sounds: synthesises every wave of the sound list.
//   make_sounds <sounds.txt> <folder of recipes> <output folder> [minimum count]
// Wave n of the list is made from <recipes>/<name>.snd and written as <output>/<name>.wav.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"
#include "tools/sounds/sound_list.h"
#include "tools/sounds/sound_recipe.h"
#include "tools/sounds/synth.h"
#include "tools/sounds/wave_file.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: make_sounds <sounds.txt> <recipe folder> <output folder> [minimum count]\n");
        return 2;
    }
    try {
        fs::path list = argv[1], recipes = argv[2], output = argv[3];
        std::size_t minimum = argc == 5 ? std::stoul(argv[4]) : 0;
        std::ifstream in(list, std::ios::binary);
        if (!in) ThrowContentError(list.string(), 0, "cannot open the sound list");
        std::ostringstream text;
        text << in.rdbuf();
        std::vector<std::string> names = SoundListNames(text.str());
        CheckSoundListNames(names, list.string());
        if (names.size() < minimum)
            ThrowContentError(list.string(), 0, "the list names " + std::to_string(names.size()) +
                                                    " waves; the game needs at least " + std::to_string(minimum));
        fs::create_directories(output);
        for (const std::string& name : names) {
            fs::path source = recipes / (name + ".snd");
            TSoundRecipe recipe = ParseSoundRecipe(ReadSourceFile(source), source.string());
            WriteWaveFile(output / (name + ".wav"), SynthesiseSound(recipe), kSoundRate);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sounds: %s\n", e.what());
        return 1;
    }
}
