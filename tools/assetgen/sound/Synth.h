#pragma once

#include <cstdint>
#include <vector>

// Building blocks of the sound effects: additive tones with pitch glides and
// envelopes, filtered noise, fades and levelling. Samples are doubles in
// -1..1 at kRate samples per second, mono.
namespace synth {

inline constexpr int kRate = 44100;
using Samples = std::vector<double>;

struct Tone {
    double start = 0;       // seconds from the beginning of the effect
    double length = 0.1;    // seconds
    double from = 440;      // pitch at the start, Hz
    double to = 0;          // pitch at the end (0: same as from); glides exponentially
    double amplitude = 1;
    double attack = 0.004;  // seconds of raised-cosine fade-in
    double decay = 0;       // time constant of the exponential decay (0: none)
    double release = 0.01;  // seconds of fade-out at the end
    double vibrato = 0;     // depth as a fraction of the pitch, at 5.5 Hz
    std::vector<double> partials = {1};  // amplitude of harmonic 1, 2, 3, ...
};

struct Noise {
    double start = 0;
    double length = 0.05;
    double amplitude = 1;
    double attack = 0.001;
    double decay = 0.01;
    double cutoff = 4000;  // Hz, one-pole low-pass
    std::uint32_t seed = 1;
};

// A buffer of `seconds` of silence.
Samples Silence(double seconds);
void AddTone(Samples& out, const Tone& tone);
void AddNoise(Samples& out, const Noise& noise);

// Raised-cosine fades at both ends, so the effect starts and stops at zero.
void Fade(Samples& samples, double fadeIn, double fadeOut);

// Loudness as the effect is heard: the largest RMS over 30 ms windows, in dBFS.
double Loudness(const Samples& samples);
double Peak(const Samples& samples);

// Scales the effect to `loudnessDb`, then lowers it further if its peak
// would pass `peakLimit`: every effect sounds about as loud as the others and
// none clips.
void Level(Samples& samples, double loudnessDb, double peakLimit);

// 16-bit PCM, rounded and clamped.
std::vector<std::int16_t> ToPcm16(const Samples& samples);

}  // namespace synth
