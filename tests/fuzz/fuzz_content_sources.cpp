// Any text read as one of the content tools' sources (chosen by the first byte): palette,
// sound recipe, note list, picture manifest, sound list or font list. Each read either succeeds or
// throws ContentError; it never crashes, hangs or reads out of bounds. What reads is carried
// on as the build would: a recipe is synthesised when it is short, a song written as MIDI.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/common/content_error.h"
#include "tools/common/palette.h"
#include "tools/common/source_text.h"
#include "tools/fonts/font_list.h"
#include "tools/pictures/picture_manifest.h"
#include "tools/songs/midi_file.h"
#include "tools/songs/note_list.h"
#include "tools/sounds/sound_list.h"
#include "tools/sounds/sound_recipe.h"
#include "tools/sounds/synth.h"

namespace {

// Synthesis is linear in the sound's length; keep each run quick.
bool ShortEnough(const TSoundRecipe& recipe) {
    double total = recipe.length;
    for (const TVoice& v : recipe.voices)
        total += v.len * static_cast<double>(v.notes.empty() ? v.repeat : static_cast<int>(v.notes.size())) + v.at;
    return total < 1.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 6) {
            case 0: ParsePalette(ParseSourceText(text, "fuzz")); break;
            case 1: {
                TSoundRecipe recipe = ParseSoundRecipe(ParseSourceText(text, "fuzz"), "fuzz");
                if (ShortEnough(recipe)) SynthesiseSound(recipe);
                break;
            }
            case 2: {
                TSong song = ParseNoteList(ParseSourceText(text, "fuzz"));
                MidiFileBytes(song);
                break;
            }
            case 3: ParsePictureManifest(ParseSourceText(text, "fuzz"), "."); break;
            case 4: CheckSoundListNames(SoundListNames(text), "fuzz"); break;
            case 5: ParseFontList(ParseSourceText(text, "fuzz"), "."); break;
        }
    } catch (const ContentError&) {
    }
    return 0;
}
