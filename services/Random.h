#pragma once
// The program's one source of randomness. The generator is seeded once per run.

#include <cstdint>

// A whole number from low to high inclusive, each equally likely.
int32_t RandomInt(double low, double high);

// Tests: restart the generator from a known seed.
void SeedRandom(uint32_t seed);
