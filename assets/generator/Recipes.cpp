#include "Recipes.h"

#include <cmath>

using namespace synth;

namespace {

double Hz(double midiKey) {
    return 440.0 * std::pow(2.0, (midiKey - 69.0) / 12.0);
}

const std::vector<double> kBrass{1.0, 0.75, 0.55, 0.4, 0.28, 0.18, 0.12, 0.07};
const std::vector<double> kHollow{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14}; // square-ish, soft top
const std::vector<double> kMellow{1.0, 0.12, 0.04};

Buffer NoiseBurst(uint32_t seed, double seconds) {
    Noise noise(seed);
    Buffer b(size_t(Samples(seconds)));
    for (float& s : b)
        s = float(noise.next());
    return b;
}

// Tiny: a short high ping with a breath of noise on top.
Buffer Tick() {
    Buffer b = Render({3400, 0, {1.0, 0.2}}, 0.035);
    AttackDecay(b, 0.0005, 0.005);
    Buffer edge = NoiseBurst(11, 0.006);
    HighPass(edge, 4000);
    AttackDecay(edge, 0.0002, 0.0015);
    MixInto(b, edge, 0, 0.5);
    Finish(b, 0.0005, 0.004);
    return b;
}

// A card laid on the table: papery noise over a small low knock.
Buffer Click() {
    Buffer b = NoiseBurst(21, 0.07);
    BandPass(b, 2600, 1800, 2.0);
    AttackDecay(b, 0.0005, 0.006);
    Buffer knock = Render({210, 140, {1.0, 0.3}}, 0.07);
    AttackDecay(knock, 0.001, 0.012);
    MixInto(b, knock, 0, 0.5);
    Finish(b, 0.0005, 0.012);
    return b;
}

// Sharper and brighter than the click: a crack of high noise over a short wooden ring.
Buffer Snap() {
    Buffer crack = NoiseBurst(31, 0.1);
    HighPass(crack, 3000);
    AttackDecay(crack, 0.0002, 0.003);
    Buffer ring = Render({1750, 1600, {1.0, 0.0, 0.4}}, 0.1);
    AttackDecay(ring, 0.0005, 0.014);
    MixInto(crack, ring, 0, 0.8);
    Finish(crack, 0.0003, 0.015);
    return crack;
}

// A soft rising blip.
Buffer Markq() {
    Buffer b = Render({660, 990, kMellow}, 0.12);
    AttackDecay(b, 0.006, 0.04);
    Finish(b, 0.004, 0.03);
    return b;
}

// A coin: two quick bright notes, a fourth apart.
Buffer CountScore() {
    Buffer b = Render({Hz(83), 0, kHollow}, 0.05);
    AttackDecay(b, 0.002, 0.03);
    Buffer second = Render({Hz(88), 0, kHollow}, 0.12);
    AttackDecay(second, 0.002, 0.035);
    MixInto(b, second, 0.05);
    LowPass(b, 6000);
    Finish(b, 0.002, 0.02);
    return b;
}

// Refused: a soft, slightly sour cluster (B, C and F) that dies away quickly.
Buffer Chord() {
    Buffer b;
    const double keys[] = {59, 60, 65};
    for (double key : keys) {
        Buffer voice = Render({Hz(key) * 1.002, 0, kHollow}, 0.55);
        MixInto(b, voice, 0);
        Buffer detuned = Render({Hz(key) * 0.998, 0, kMellow}, 0.55);
        MixInto(b, detuned, 0, 0.6);
    }
    LowPass(b, 1400);
    AttackDecay(b, 0.02, 0.18);
    Finish(b, 0.01, 0.08);
    return b;
}

// A card sliding across cloth: noise whose band sweeps upwards, swelling and fading.
Buffer Slide() {
    Buffer b = NoiseBurst(41, 0.45);
    BandPass(b, 500, 3200, 1.5);
    LowPass(b, 6000);
    for (size_t i = 0; i < b.size(); ++i) {
        const double x = double(i) / double(b.size());
        b[i] *= float(std::pow(std::sin(kPi * x), 1.5) * (1.0 - 0.4 * x));
    }
    Finish(b, 0.005, 0.03);
    return b;
}

// The sad trombone: four falling notes, the last one long and wobbling.
Buffer Busted() {
    Buffer b;
    const double keys[] = {67, 66, 65};
    double at = 0;
    for (double key : keys) {
        Buffer note = Render({Hz(key), 0, kBrass}, 0.3);
        AttackRelease(note, 0.03, 0.08);
        MixInto(b, note, at);
        at += 0.3;
    }
    Buffer last = Render({Hz(64), Hz(63.4), kBrass, 0.3}, 0.75);
    AttackRelease(last, 0.03, 0.35);
    MixInto(b, last, at);
    LowPass(b, 1800);
    Finish(b, 0.005, 0.05);
    return b;
}

// Two bright bells a fifth apart.
Buffer TwentyOne() {
    Buffer b = Bell(Hz(84), 0.8, 0.22);
    Buffer upper = Bell(Hz(91), 0.68, 0.25);
    MixInto(b, upper, 0.12, 0.9);
    Finish(b, 0.001, 0.1);
    return b;
}

// A brass arpeggio climbing to a held major chord.
Buffer HighScore() {
    Buffer b;
    const double run[] = {72, 76, 79};
    double at = 0;
    for (double key : run) {
        Buffer note = Render({Hz(key), 0, kBrass}, 0.3);
        AttackDecay(note, 0.008, 0.12);
        MixInto(b, note, at, 0.8);
        at += 0.09;
    }
    const double chord[] = {72, 79, 84, 88};
    for (double key : chord) {
        Buffer note = Render({Hz(key), 0, kBrass, 0.08}, 0.95);
        AttackRelease(note, 0.015, 0.45);
        MixInto(b, note, at, 0.6);
    }
    LowPass(b, 5000);
    Finish(b, 0.003, 0.08);
    return b;
}

// A mallet tune over a warm pad, ending on the tonic.
Buffer Wingame() {
    struct Step {
        double key, at, length;
    };
    const Step tune[] = {{72, 0.0, 0.3},  {76, 0.12, 0.3}, {79, 0.24, 0.3},
                         {84, 0.36, 0.4}, {79, 0.6, 0.3},  {84, 0.74, 1.1}};
    Buffer b;
    for (const Step& s : tune) {
        Buffer note =
            Render({Hz(s.key), 0, {1.0, 0.0, 0.0, 0.35, 0.0, 0.0, 0.0, 0.0, 0.08}}, s.length);
        AttackDecay(note, 0.003, s.length / 3);
        MixInto(b, note, s.at);
    }
    const double pad[] = {48, 64, 67};
    for (double key : pad) {
        Buffer low = Render({Hz(key), 0, kMellow}, 0.36);
        AttackRelease(low, 0.02, 0.15);
        MixInto(b, low, 0.0, 0.35);
        Buffer end = Render({Hz(key), 0, kMellow, 0.05}, 1.1);
        AttackRelease(end, 0.03, 0.6);
        MixInto(b, end, 0.74, 0.4);
    }
    Finish(b, 0.003, 0.1);
    return b;
}

// A small crowd: each pair of hands claps at its own pace, starting and stopping at its own time.
Buffer Applause() {
    Noise pick(51);
    Buffer b(size_t(Samples(2.2)), 0.0f);
    uint32_t seed = 1000;
    for (int hands = 0; hands < 26; ++hands) {
        const double period = pick.range(0.17, 0.3);
        const double stop = pick.range(1.3, 2.15);
        const double centre = pick.range(900, 2300);
        const double decay = pick.range(0.006, 0.012);
        const double level = pick.range(0.4, 1.0);
        for (double at = pick.range(0.0, 0.25); at < stop; at += period + pick.range(-0.02, 0.02)) {
            Buffer clap = NoiseBurst(++seed, 0.05);
            BandPass(clap, centre, centre, 1.2);
            AttackDecay(clap, 0.0008, decay);
            MixInto(b, clap, at, level);
        }
    }
    b.resize(size_t(Samples(2.2)));
    LowPass(b, 9000);
    Finish(b, 0.05, 0.5);
    return b;
}

} // namespace

const std::vector<SoundRecipe>& SoundRecipes() {
    static const std::vector<SoundRecipe> recipes{
        {"Applause.wav", Applause}, {"Busted.wav", Busted},         {"Chord.wav", Chord},
        {"Click.wav", Click},       {"CountScore.wav", CountScore}, {"HighScore.wav", HighScore},
        {"Markq.wav", Markq},       {"Slide.wav", Slide},           {"Snap.wav", Snap},
        {"Tick.wav", Tick},         {"TwentyOne.wav", TwentyOne},   {"Wingame.wav", Wingame},
    };
    return recipes;
}
