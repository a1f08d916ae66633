#pragma once

#include <cstdint>

// The program's one pseudo-random generator: a linear congruential generator
// whose results run from 0 to 32767 (kRandMax), so that every "rand() % n"
// and "rand() / 32767.0" of the games gives the same ranges and the same
// order of draws on every platform.
constexpr int kRandMax = 32767;

// Restarts the sequence from seed.
void SeedRandom(uint32_t seed);

// The next number, 0 .. kRandMax.
int Random();

// A seed that differs from run to run: the wall clock mixed with the
// high-resolution counter (a count since start-up alone would repeat games).
uint32_t TimeSeed();
