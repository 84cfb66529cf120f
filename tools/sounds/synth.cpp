#include "tools/sounds/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/common/content_error.h"
#include "tools/sounds/sound_recipe.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A small, fixed generator: the standard library's distributions differ between
// implementations, and the waves must be the same on every machine that builds them.
class TNoise {
public:
    explicit TNoise(unsigned seed) : FState(seed * 2654435761u + 12345u) {}
    double Next() {  // -1 .. 1
        FState = FState * 1664525u + 1013904223u;
        return static_cast<double>(FState >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t FState;
};

// Second-order filter after the well-known "audio EQ cookbook" formulas.
class TBiquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };
    TBiquad(Kind kind, double hz, double q, int rate) {
        double w = kTwoPi * std::min(hz, rate * 0.45) / rate;
        double alpha = std::sin(w) / (2.0 * q);
        double c = std::cos(w);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
            case Kind::LowPass: b0 = (1 - c) / 2; b1 = 1 - c; b2 = b0; break;
            case Kind::HighPass: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = b0; break;
            case Kind::BandPass: b0 = alpha; b1 = 0; b2 = -alpha; break;
        }
        double a0 = 1 + alpha;
        FB0 = b0 / a0; FB1 = b1 / a0; FB2 = b2 / a0;
        FA1 = -2 * c / a0; FA2 = (1 - alpha) / a0;
    }
    void Apply(std::vector<double>& x) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& s : x) {
            double y = FB0 * s + FB1 * x1 + FB2 * x2 - FA1 * y1 - FA2 * y2;
            x2 = x1; x1 = s; y2 = y1; y1 = y;
            s = y;
        }
    }

private:
    double FB0, FB1, FB2, FA1, FA2;
};

// Band-limited step correction, so that square and saw waves do not alias into harsh noise.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct TCopy {
    double start;
    double freq;
    double glide;  // end frequency / start frequency
};

std::vector<double> RenderPluck(const TVoice& v, const TCopy& c, int rate, std::size_t count) {
    std::vector<double> out(count);
    std::size_t period = std::max<std::size_t>(2, static_cast<std::size_t>(std::lround(rate / c.freq)));
    std::vector<double> ring(period);
    TNoise noise(v.seed);
    for (double& s : ring) s = noise.Next();
    double decay = v.decay > 0 ? v.decay : 1.5;
    double gain = std::exp(-1.0 / (decay * c.freq));
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t k = i % period;
        double next = ring[(k + 1) % period];
        out[i] = ring[k];
        ring[k] = 0.5 * (ring[k] + next) * gain;
    }
    return out;
}

std::vector<double> RenderCopy(const TVoice& v, const TCopy& c, int rate) {
    std::size_t count = static_cast<std::size_t>(std::lround(v.len * rate));
    std::vector<double> out;
    if (v.kind == TVoiceKind::Pluck) {
        out = RenderPluck(v, c, rate, count);
    } else {
        out.resize(count);
        TNoise noise(v.seed);
        double phase = 0, modPhase = 0;
        static const double kBellRatio[] = {1.0, 2.0, 2.76, 4.07, 5.4};
        static const double kBellLevel[] = {1.0, 0.5, 0.35, 0.2, 0.12};
        double bellPhase[5] = {0, 0, 0, 0, 0};
        for (std::size_t i = 0; i < count; ++i) {
            double t = static_cast<double>(i) / rate;
            double f = c.freq * std::pow(c.glide, t / v.len);
            if (v.vib > 0) f *= std::pow(2.0, v.vibDepth / 12.0 * std::sin(kTwoPi * v.vib * t));
            double dt = f / rate;
            double s = 0;
            switch (v.kind) {
                case TVoiceKind::Sine:
                    s = std::sin(kTwoPi * phase + v.fmIndex * std::sin(kTwoPi * modPhase));
                    modPhase += dt * v.fm;
                    modPhase -= std::floor(modPhase);
                    break;
                case TVoiceKind::Triangle: s = 1.0 - 4.0 * std::abs(phase - 0.5); break;
                case TVoiceKind::Square:
                    s = (phase < 0.5 ? 1.0 : -1.0) + PolyBlep(phase, dt) - PolyBlep(std::fmod(phase + 0.5, 1.0), dt);
                    s *= 0.6;  // a square sounds much louder than a sine of the same peak
                    break;
                case TVoiceKind::Saw: s = (2.0 * phase - 1.0 - PolyBlep(phase, dt)) * 0.6; break;
                case TVoiceKind::Noise: s = noise.Next(); break;
                case TVoiceKind::Bell:
                    for (int k = 0; k < 5; ++k) {
                        double pf = f * kBellRatio[k];
                        if (pf >= rate * 0.45) break;
                        double partialDecay = v.decay > 0 ? std::exp(-t * (1.0 + 0.7 * k) / v.decay) : 1.0;
                        s += kBellLevel[k] * partialDecay * std::sin(kTwoPi * bellPhase[k]);
                        bellPhase[k] += pf / rate;
                        bellPhase[k] -= std::floor(bellPhase[k]);
                    }
                    s *= 0.5;
                    break;
                case TVoiceKind::Pluck: break;
            }
            phase += dt;
            phase -= std::floor(phase);
            out[i] = s;
        }
    }
    if (v.highpass > 0) TBiquad(TBiquad::Kind::HighPass, v.highpass, 0.707, rate).Apply(out);
    if (v.lowpass > 0) TBiquad(TBiquad::Kind::LowPass, v.lowpass, 0.707, rate).Apply(out);
    if (v.band > 0) TBiquad(TBiquad::Kind::BandPass, v.band, v.q, rate).Apply(out);

    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / rate;
        double env = v.vol;
        if (v.attack > 0 && t < v.attack) env *= t / v.attack;
        // Bells and plucked strings die away by themselves.
        if (v.decay > 0 && v.kind != TVoiceKind::Bell && v.kind != TVoiceKind::Pluck) env *= std::exp(-t / v.decay);
        double left = v.len - t;
        if (v.release > 0 && left < v.release) env *= std::max(0.0, left / v.release);
        if (v.trem > 0) env *= 1.0 - v.tremDepth * (0.5 - 0.5 * std::cos(kTwoPi * v.trem * t));
        out[i] *= env;
    }
    return out;
}

std::vector<TCopy> CopiesOf(const TVoice& v) {
    std::vector<TCopy> copies;
    double glide = v.to > 0 ? v.to / v.freq : 1.0;
    if (!v.notes.empty()) {
        for (std::size_t k = 0; k < v.notes.size(); ++k)
            copies.push_back({v.at + static_cast<double>(k) * v.every, v.notes[k], glide});
    } else {
        for (int k = 0; k < v.repeat; ++k) copies.push_back({v.at + k * v.every, v.freq, glide});
    }
    return copies;
}

}  // namespace

std::vector<std::int16_t> SynthesiseSound(const TSoundRecipe& recipe, int rate) {
    double end = 0;
    for (const TVoice& v : recipe.voices)
        for (const TCopy& c : CopiesOf(v)) end = std::max(end, c.start + v.len);
    double length = recipe.length > 0 ? recipe.length : end + 0.02;
    std::size_t total = static_cast<std::size_t>(std::lround(length * rate));
    std::vector<double> mix(total, 0.0);

    for (const TVoice& v : recipe.voices) {
        for (const TCopy& c : CopiesOf(v)) {
            if (!recipe.loop && c.start + v.len > length + 1e-9)
                ThrowContentError(recipe.name, v.line, "the voice runs past the length of the sound");
            std::vector<double> samples = RenderCopy(v, c, rate);
            std::size_t first = static_cast<std::size_t>(std::lround(c.start * rate));
            for (std::size_t i = 0; i < samples.size(); ++i) {
                std::size_t at = first + i;
                if (recipe.loop) at %= total;  // what rings past the end wraps round: no seam
                if (at < total) mix[at] += samples[i];
            }
        }
    }

    double loudest = 0;
    for (double s : mix) loudest = std::max(loudest, std::abs(s));
    if (loudest < 1e-6) ThrowContentError(recipe.name, 0, "the sound is silent");
    double scale = recipe.peak / loudest;
    std::vector<std::int16_t> pcm(total);
    for (std::size_t i = 0; i < total; ++i)
        pcm[i] = static_cast<std::int16_t>(std::clamp<long>(std::lround(mix[i] * scale * 32767.0), -32767, 32767));
    return pcm;
}
