#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"
#include "tools/sounds/sound_list.h"
#include "tools/sounds/sound_recipe.h"
#include "tools/sounds/synth.h"
#include "tools/sounds/wave_file.h"

namespace {

TSoundRecipe Recipe(const std::string& text) { return ParseSoundRecipe(ParseSourceText(text, "test.snd"), "test.snd"); }

std::string ErrorOf(const std::string& text) {
    try {
        SynthesiseSound(Recipe(text));
    } catch (const ContentError& e) {
        return e.what();
    }
    return "";
}

TEST(SoundRecipe, ReadsNotesVoicesAndCopies) {
    // "F#5" must stay a note: a '#' only starts a comment at the start or after a blank.
    TSoundRecipe r = Recipe("# comment\nbell at=0.1 len=0.3 notes=A4,F#5,Bb3 every=0.1 decay=0.2 # trailing\n");
    ASSERT_EQ(r.voices.size(), 1u);
    ASSERT_EQ(r.voices[0].notes.size(), 3u);
    EXPECT_NEAR(r.voices[0].notes[0], 440.0, 1e-9);
    EXPECT_NEAR(r.voices[0].notes[1], 739.99, 0.01);
    EXPECT_NEAR(r.voices[0].notes[2], 233.08, 0.01);
    // Three copies 0.1 s apart, ending at 0.1 + 0.2 + 0.3, then 20 ms of quiet.
    EXPECT_EQ(SynthesiseSound(r).size(), static_cast<std::size_t>(std::lround(0.62 * kSoundRate)));
}

TEST(SoundRecipe, RefusesMistakesInsteadOfGuessing) {
    EXPECT_NE(ErrorOf("sine len=0.1 volume=0.5").find("test.snd:1: unknown key \"volume\""), std::string::npos);
    EXPECT_NE(ErrorOf("sine at=0").find("needs len="), std::string::npos);
    EXPECT_NE(ErrorOf("length 0.2\nsine at=0.15 len=0.1").find("test.snd:2: the voice runs past"), std::string::npos);
    EXPECT_NE(ErrorOf("sine len=0.1 freq=H4").find("\"freq\" must be a note"), std::string::npos);
    EXPECT_NE(ErrorOf("sine len=0.1 repeat=3").find("need every="), std::string::npos);
    EXPECT_NE(ErrorOf("noise len=0.1 fm=2").find("belong to sine"), std::string::npos);
    EXPECT_NE(ErrorOf("loop\nsine len=0.1").find("a loop needs its length"), std::string::npos);
    EXPECT_NE(ErrorOf("length 0.001\nsine len=0.1").find("above 0.01"), std::string::npos);
    EXPECT_NE(ErrorOf("sine len=0.1 highpass=10000 lowpass=30 vol=0").find("silent"), std::string::npos);
    EXPECT_NE(ErrorOf("chirp len=0.1").find("unknown word \"chirp\""), std::string::npos);
}

TEST(Synthesis, IsRepeatableAndNormalisedToItsPeak) {
    const std::string text = "peak 0.5\nnoise len=0.2 band=1000 q=2\nsaw len=0.2 freq=C4 to=C5\npluck len=0.3 freq=E4";
    std::vector<std::int16_t> a = SynthesiseSound(Recipe(text));
    EXPECT_EQ(a, SynthesiseSound(Recipe(text)));  // the build must give the same files every time
    int peak = 0;
    for (std::int16_t s : a) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_NEAR(peak, 0.5 * 32767, 2);
    EXPECT_NE(a, SynthesiseSound(Recipe("peak 0.5\nnoise len=0.2 band=1000 q=2 seed=2\nsaw len=0.2 freq=C4 to=C5\npluck len=0.3 freq=E4")));
}

TEST(Synthesis, ALoopWrapsWhatRingsPastItsEnd) {
    // A tone that starts at the very end of a loop is heard at its start instead.
    std::vector<std::int16_t> pcm = SynthesiseSound(Recipe("loop\nlength 0.5\nsine at=0.45 len=0.1 freq=440 attack=0"));
    ASSERT_EQ(pcm.size(), static_cast<std::size_t>(0.5 * kSoundRate));
    int early = 0;
    for (std::size_t i = 0; i < 0.04 * kSoundRate; ++i) early = std::max(early, std::abs(static_cast<int>(pcm[i])));
    EXPECT_GT(early, 10000);
}

TEST(WaveFile, HasTheChunksTheGameReads) {
    std::vector<std::uint8_t> b = WaveFileBytes({1, -1, 300}, 22050);
    ASSERT_EQ(b.size(), 44u + 6u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(b[4] | (b[5] << 8), 50 - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(b[16], 16);  // a plain 16-byte format chunk
    EXPECT_EQ(b[20], 1);   // PCM
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(b[40], 6);
    EXPECT_EQ(b[48] | (b[49] << 8), 300);
}

TEST(SoundList, KeepsTheLinesTheGameCounts) {
    std::vector<std::string> names =
        SoundListNames("# comment\n[section]\n\n  click  0 a note\r\npop\tsecond\n  \t\nchime # not a comment word\n");
    EXPECT_EQ(names, (std::vector<std::string>{"click", "pop", "chime"}));
    EXPECT_THROW(CheckSoundListNames({"click", "click"}, "sounds.txt"), ContentError);
    EXPECT_THROW(CheckSoundListNames({"Click"}, "sounds.txt"), ContentError);
    EXPECT_THROW(CheckSoundListNames({"toolongname"}, "sounds.txt"), ContentError);
    EXPECT_NO_THROW(CheckSoundListNames({"run_10", "a1"}, "sounds.txt"));
}

}  // namespace
