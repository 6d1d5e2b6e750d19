#pragma once
// Small building blocks for the sound effects: a buffer of float samples, deterministic noise,
// oscillators, filters and envelopes. Everything is mono at one fixed rate.

#include <cstdint>
#include <vector>

namespace synth {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;

inline int Samples(double seconds) {
    return int(seconds * kRate + 0.5);
}

// xorshift32: the same seed gives the same sound on every build.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    // Uniform in [-1, 1).
    double next();
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (next() + 1.0) * 0.5 * (hi - lo); }

  private:
    uint32_t state_;
};

// Additive tone: harmonic n has amplitude weights[n-1]. Frequency may glide from f0 to f1
// (exponentially) over the tone's length. `vibrato` is depth in semitones at 5.5 Hz.
struct Tone {
    double f0 = 440;
    double f1 = 0; // 0: no glide
    std::vector<double> weights{1.0};
    double vibrato = 0;
};
Buffer Render(const Tone& tone, double seconds);

// Inharmonic bell: partials at the given frequency ratios, higher ones dying faster.
Buffer Bell(double freq, double seconds, double decay);

// Envelopes (multiply in place).
void AttackDecay(Buffer& b, double attack, double decay);     // exponential decay time constant
void AttackRelease(Buffer& b, double attack, double release); // linear-ish hold then fade out
void FadeEdges(Buffer& b, double fadeIn, double fadeOut);     // raised-cosine, removes clicks

// Filters (in place). The state-variable filter can sweep its centre over the buffer.
void LowPass(Buffer& b, double cutoff);
void HighPass(Buffer& b, double cutoff);
void BandPass(Buffer& b, double fromHz, double toHz, double q);

// Adds `src` times `gain` into `dst` starting at `offset` seconds, growing `dst` as needed.
void MixInto(Buffer& dst, const Buffer& src, double offset, double gain = 1.0);
// The last step of every sound: removes any DC offset, fades both ends to silence and scales so
// the loudest sample sits at `peakDb` dBFS.
void Finish(Buffer& b, double fadeIn, double fadeOut, double peakDb = -3.0);

} // namespace synth
