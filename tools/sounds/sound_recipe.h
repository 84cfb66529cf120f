#pragma once
// A sound recipe: the small text from which one wave file of the game is synthesised.
//
//   # a comment
//   length 0.8        total length in seconds (default: end of the last voice + 20 ms)
//   peak 0.7          loudest sample after normalising, 0..1 of full scale (default 0.7)
//   loop              made to loop: the length is exact and what rings past its end wraps
//                     round to the start, so the loop has no seam
//   <voice> key=value ...
//
// Voices: sine, triangle, square, saw, noise, bell (inharmonic partials), pluck (plucked string).
// Keys of a voice (times in seconds, frequencies in Hz or as notes like A4, C#5, Bb3):
//   at, len             start and length (len required)
//   freq, to            pitch at the start, and at the end (an exponential glide)
//   notes=C5,E5,G5      one copy of the voice per note, `every` seconds apart (replaces freq)
//   repeat, every       copies of the voice and their spacing
//   vol                 0..1
//   attack, decay       rise time; exponential fall time constant (0 = none)
//   release             linear fade at the end of len (default 10 ms, so nothing clicks)
//   vib, vibdepth       vibrato rate and depth in semitones
//   trem, tremdepth     tremolo rate and depth 0..1
//   lowpass, highpass   filter corner frequencies
//   band, q             band-pass centre and sharpness
//   fm, fmindex         sine only: modulator ratio and modulation index (bells, woodblocks)
//   seed                noise only: a different but still repeatable noise
#include <string>
#include <vector>

struct TSourceText;

enum class TVoiceKind { Sine, Triangle, Square, Saw, Noise, Bell, Pluck };

struct TVoice {
    TVoiceKind kind = TVoiceKind::Sine;
    double at = 0, len = 0;
    double freq = 440, to = 0;  // to = 0: no glide
    std::vector<double> notes;  // Hz
    int repeat = 1;
    double every = 0;
    double vol = 0.5;
    double attack = 0.002, decay = 0, release = 0.01;
    double vib = 0, vibDepth = 0;
    double trem = 0, tremDepth = 0;
    double lowpass = 0, highpass = 0, band = 0, q = 1;
    double fm = 0, fmIndex = 0;
    unsigned seed = 1;
    int line = 0;  // for messages
};

struct TSoundRecipe {
    std::string name;
    double length = 0;  // 0: derived from the voices
    double peak = 0.7;
    bool loop = false;
    std::vector<TVoice> voices;
};

// Throws ContentError naming the file and line of the first fault.
TSoundRecipe ParseSoundRecipe(const TSourceText& text, const std::string& name);

// "A4" = 440 Hz, "C4" = middle C; sharps with '#', flats with 'b'; or a plain number of Hz.
bool ParsePitch(const std::string& word, double& hz);
