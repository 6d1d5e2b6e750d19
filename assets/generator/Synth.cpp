#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {
namespace {
// A decay cut off mid-way would click; every note ends with this short fade to silence.
constexpr double kTaper = 0.006;
} // namespace

double Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return double(state_) / 2147483648.0 - 1.0;
}

Buffer Render(const Tone& tone, double seconds) {
    const int n = Samples(seconds);
    Buffer out(size_t(n), 0.0f);
    const double f1 = tone.f1 > 0 ? tone.f1 : tone.f0;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double f = tone.f0 * std::pow(f1 / tone.f0, double(i) / n);
        if (tone.vibrato > 0) f *= std::pow(2.0, tone.vibrato * std::sin(2 * kPi * 5.5 * t) / 12);
        phase += f / kRate;
        phase -= std::floor(phase);
        double s = 0;
        for (size_t h = 0; h < tone.weights.size(); ++h) {
            // Harmonics above the Nyquist limit would fold back as harsh aliases.
            if (f * double(h + 1) >= kRate / 2.0) break;
            s += tone.weights[h] * std::sin(2 * kPi * phase * double(h + 1));
        }
        out[size_t(i)] = float(s);
    }
    return out;
}

Buffer Bell(double freq, double seconds, double decay) {
    static const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    static const double levels[] = {1.0, 0.45, 0.3, 0.16, 0.1};
    const int n = Samples(seconds);
    Buffer out(size_t(n), 0.0f);
    for (size_t p = 0; p < std::size(ratios); ++p) {
        const double f = freq * ratios[p];
        if (f >= kRate / 2.0) continue;
        const double tau = decay / (1.0 + double(p) * 0.8);
        for (int i = 0; i < n; ++i) {
            const double t = double(i) / kRate;
            out[size_t(i)] += float(levels[p] * std::exp(-t / tau) * std::sin(2 * kPi * f * t));
        }
    }
    FadeEdges(out, 0, kTaper);
    return out;
}

void AttackDecay(Buffer& b, double attack, double decay) {
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        b[i] *= float(a * std::exp(-std::max(0.0, t - attack) / decay));
    }
    FadeEdges(b, 0, kTaper);
}

void AttackRelease(Buffer& b, double attack, double release) {
    const double total = double(b.size()) / kRate;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        double g = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        if (t > total - release) g *= std::max(0.0, (total - t) / release);
        b[i] *= float(g);
    }
}

void FadeEdges(Buffer& b, double fadeIn, double fadeOut) {
    const size_t in = size_t(Samples(fadeIn));
    const size_t out = size_t(Samples(fadeOut));
    for (size_t i = 0; i < in && i < b.size(); ++i)
        b[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(in)));
    for (size_t i = 0; i < out && i < b.size(); ++i)
        b[b.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(out)));
}

void LowPass(Buffer& b, double cutoff) {
    const double a = 1.0 - std::exp(-2 * kPi * cutoff / kRate);
    double y = 0;
    for (float& s : b) {
        y += a * (s - y);
        s = float(y);
    }
}

void HighPass(Buffer& b, double cutoff) {
    const double a = std::exp(-2 * kPi * cutoff / kRate);
    double prevIn = 0, prevOut = 0;
    for (float& s : b) {
        const double y = a * (prevOut + s - prevIn);
        prevIn = s;
        prevOut = y;
        s = float(y);
    }
}

void BandPass(Buffer& b, double fromHz, double toHz, double q) {
    // Chamberlin state-variable filter; stable while the centre stays below about rate / 6.
    double low = 0, band = 0;
    const size_t n = b.size();
    for (size_t i = 0; i < n; ++i) {
        const double fc = fromHz * std::pow(toHz / fromHz, n > 1 ? double(i) / double(n - 1) : 0);
        const double f = 2 * std::sin(kPi * std::min(fc, kRate / 6.0) / kRate);
        low += f * band;
        const double high = b[i] - low - band / q;
        band += f * high;
        b[i] = float(band);
    }
}

void MixInto(Buffer& dst, const Buffer& src, double offset, double gain) {
    const size_t start = size_t(Samples(offset));
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i)
        dst[start + i] += float(src[i] * gain);
}

void Finish(Buffer& b, double fadeIn, double fadeOut, double peakDb) {
    if (b.empty()) return;
    double mean = 0;
    for (float s : b)
        mean += s;
    mean /= double(b.size());
    for (float& s : b)
        s = float(s - mean);
    FadeEdges(b, fadeIn, fadeOut);
    double peak = 0;
    for (float s : b)
        peak = std::max(peak, double(std::fabs(s)));
    if (peak <= 0) return;
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (float& s : b)
        s = float(s * gain);
}

} // namespace synth
