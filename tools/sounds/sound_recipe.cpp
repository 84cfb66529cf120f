#include "tools/sounds/sound_recipe.h"

#include <cmath>
#include <map>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"

namespace {

// Bounds that keep every recipe short and sane; the game's sounds are effects, not music.
constexpr double kMaxSeconds = 10.0;
constexpr double kMaxHz = 11000.0;  // below half of the sample rate

const std::map<std::string, TVoiceKind> kKinds = {
    {"sine", TVoiceKind::Sine},   {"triangle", TVoiceKind::Triangle}, {"square", TVoiceKind::Square},
    {"saw", TVoiceKind::Saw},     {"noise", TVoiceKind::Noise},       {"bell", TVoiceKind::Bell},
    {"pluck", TVoiceKind::Pluck}};

double PitchKey(const TKeyValues& keys, const std::string& key, double fallback, const TSourceText& text,
                int line) {
    if (!keys.Has(key)) return fallback;
    double hz = 0;
    if (!ParsePitch(keys.Text(key, ""), hz) || hz < 20 || hz > kMaxHz)
        ThrowContentError(text.name, line, "\"" + key + "\" must be a note such as A4 or a frequency from 20 to 11000 Hz");
    return hz;
}

TVoice ParseVoice(TVoiceKind kind, const std::vector<std::string>& words, const TSourceText& text, int line) {
    TKeyValues keys(words, text.name, line);
    keys.CheckKnown({"at", "len", "freq", "to", "notes", "repeat", "every", "vol", "attack", "decay", "release",
                     "vib", "vibdepth", "trem", "tremdepth", "lowpass", "highpass", "band", "q", "fm", "fmindex",
                     "seed"});
    if (!keys.Has("len")) ThrowContentError(text.name, line, "a voice needs len=");
    TVoice v;
    v.kind = kind;
    v.line = line;
    v.at = keys.Real("at", 0, 0, kMaxSeconds);
    v.len = keys.Real("len", 0, 0.001, kMaxSeconds);
    v.freq = PitchKey(keys, "freq", 440, text, line);
    v.to = PitchKey(keys, "to", 0, text, line);
    if (keys.Has("notes")) {
        std::string list = keys.Text("notes", "");
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            std::string word = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            double hz = 0;
            if (!ParsePitch(word, hz) || hz < 20 || hz > kMaxHz)
                ThrowContentError(text.name, line, "\"" + word + "\" in notes= is not a note");
            v.notes.push_back(hz);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    v.repeat = static_cast<int>(keys.Int("repeat", 1, 1, 200));
    if (!v.notes.empty() && keys.Has("repeat"))
        ThrowContentError(text.name, line, "give either notes= or repeat=, not both");
    v.every = keys.Real("every", 0, 0, kMaxSeconds);
    if ((v.repeat > 1 || v.notes.size() > 1) && v.every <= 0)
        ThrowContentError(text.name, line, "repeated voices need every=");
    v.vol = keys.Real("vol", 0.5, 0, 1);
    v.attack = keys.Real("attack", 0.002, 0, kMaxSeconds);
    v.decay = keys.Real("decay", 0, 0, kMaxSeconds);
    v.release = keys.Real("release", 0.01, 0, kMaxSeconds);
    v.vib = keys.Real("vib", 0, 0, 50);
    v.vibDepth = keys.Real("vibdepth", 0, 0, 12);
    v.trem = keys.Real("trem", 0, 0, 50);
    v.tremDepth = keys.Real("tremdepth", 0, 0, 1);
    v.lowpass = keys.Real("lowpass", 0, 20, kMaxHz);
    v.highpass = keys.Real("highpass", 0, 20, kMaxHz);
    v.band = keys.Real("band", 0, 20, kMaxHz);
    v.q = keys.Real("q", 1, 0.1, 50);
    v.fm = keys.Real("fm", 0, 0, 20);
    v.fmIndex = keys.Real("fmindex", 0, 0, 50);
    v.seed = static_cast<unsigned>(keys.Int("seed", 1, 1, 1000000));
    if ((v.fm > 0 || v.fmIndex > 0) && kind != TVoiceKind::Sine)
        ThrowContentError(text.name, line, "fm= and fmindex= belong to sine voices");
    return v;
}

}  // namespace

bool ParsePitch(const std::string& word, double& hz) {
    if (word.empty()) return false;
    static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    char letter = word[0];
    if (letter >= 'A' && letter <= 'G') {
        int semitone = kSemitone[letter - 'A'];
        std::size_t i = 1;
        if (i < word.size() && word[i] == '#') ++semitone, ++i;
        else if (i < word.size() && word[i] == 'b') --semitone, ++i;
        long long octave = 0;
        if (!ParseInt(word.substr(i), octave) || octave < 0 || octave > 9) return false;
        int midi = static_cast<int>(12 * (octave + 1)) + semitone;
        hz = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
        return true;
    }
    return ParseReal(word, hz);
}

TSoundRecipe ParseSoundRecipe(const TSourceText& text, const std::string& name) {
    TSoundRecipe recipe;
    recipe.name = name;
    for (const TSourceLine& line : text.lines) {
        std::vector<std::string> words = SplitWords(line.text);
        std::string keyword = words[0];
        words.erase(words.begin());
        if (keyword == "length" || keyword == "peak") {
            double v = 0;
            double hi = keyword == "length" ? kMaxSeconds : 1.0;
            // A length below 10 ms would hold no whole period of anything audible.
            double lo = keyword == "length" ? 0.01 : 0.0;
            if (words.size() != 1 || !ParseReal(words[0], v) || v <= lo || v > hi)
                ThrowContentError(text.name, line.number, keyword + (keyword == "length" ? " needs seconds above 0.01, at most 10"
                                                                                         : " needs a number above 0, at most 1"));
            (keyword == "length" ? recipe.length : recipe.peak) = v;
        } else if (keyword == "loop") {
            if (!words.empty()) ThrowContentError(text.name, line.number, "loop takes no words");
            recipe.loop = true;
        } else if (auto kind = kKinds.find(keyword); kind != kKinds.end()) {
            recipe.voices.push_back(ParseVoice(kind->second, words, text, line.number));
        } else {
            ThrowContentError(text.name, line.number, "unknown word \"" + keyword + "\"");
        }
    }
    if (recipe.voices.empty()) ThrowContentError(text.name, 0, "the recipe has no voice");
    if (recipe.loop && recipe.length <= 0) ThrowContentError(text.name, 0, "a loop needs its length");
    return recipe;
}
