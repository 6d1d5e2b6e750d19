#include "services/Random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {
std::mt19937& generator() {
    static std::mt19937 gen = [] {
        std::random_device rd;
        std::seed_seq seq{rd(), rd(),
                          uint32_t(std::chrono::steady_clock::now().time_since_epoch().count())};
        return std::mt19937(seq);
    }();
    return gen;
}
} // namespace

int32_t RandomInt(double low, double high) {
    // A single-precision draw in [0, 1): 24 random bits scaled down, never 1.
    const float r = float(generator()() >> 8) * (1.0f / 16777216.0f);
    return int32_t(std::floor((high - low + 1) * double(r) + low));
}

void SeedRandom(uint32_t seed) {
    generator().seed(seed);
}
