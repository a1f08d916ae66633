#pragma once

#include <cstdint>

// A small fixed-seed generator (xorshift32) for scattered decoration and
// noise: the generator's output must be the same bytes on every run, so it
// never takes a seed from the clock.
class FixedRandom {
public:
    explicit FixedRandom(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}

    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform in [-1, 1): white noise.
    double Noise() { return 2.0 * Unit() - 1.0; }

private:
    std::uint32_t state_;
};
