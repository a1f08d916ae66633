#include "sound/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "FixedRandom.h"

namespace synth {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Raised-cosine ramp from 0 to 1 over `length` seconds.
double Ramp(double t, double length) {
    if (length <= 0 || t >= length) {
        return 1;
    }
    if (t <= 0) {
        return 0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

double Envelope(double t, double length, double attack, double decay, double release) {
    double e = Ramp(t, attack) * Ramp(length - t, release);
    if (decay > 0) {
        e *= std::exp(-t / decay);
    }
    return e;
}

std::size_t Index(double seconds) { return static_cast<std::size_t>(std::lround(seconds * kRate)); }

}  // namespace

Samples Silence(double seconds) { return Samples(Index(seconds), 0.0); }

void AddTone(Samples& out, const Tone& tone) {
    const double to = tone.to > 0 ? tone.to : tone.from;
    const std::size_t first = Index(tone.start);
    const std::size_t count = Index(tone.length);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double pitch = tone.from * std::pow(to / tone.from, t / tone.length);
        pitch *= 1 + tone.vibrato * std::sin(kTwoPi * 5.5 * t);
        phase += pitch / kRate;
        phase -= std::floor(phase);
        double v = 0;
        for (std::size_t k = 0; k < tone.partials.size(); ++k) {
            const double harmonic = static_cast<double>(k + 1);
            if (pitch * harmonic < kRate / 2.2) {  // keep clear of aliasing
                v += tone.partials[k] * std::sin(kTwoPi * harmonic * phase);
            }
        }
        out[first + i] += tone.amplitude * v * Envelope(t, tone.length, tone.attack, tone.decay, tone.release);
    }
}

void AddNoise(Samples& out, const Noise& noise) {
    FixedRandom rng(noise.seed);
    const std::size_t first = Index(noise.start);
    const std::size_t count = Index(noise.length);
    const double alpha = 1 - std::exp(-kTwoPi * noise.cutoff / kRate);
    double state = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        state += alpha * (rng.Noise() - state);
        out[first + i] += noise.amplitude * state * Envelope(t, noise.length, noise.attack, noise.decay, 0.002);
    }
}

void Fade(Samples& samples, double fadeIn, double fadeOut) {
    const double length = static_cast<double>(samples.size()) / kRate;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double tail = length - static_cast<double>(i + 1) / kRate;
        samples[i] *= Ramp(t, fadeIn) * Ramp(tail, fadeOut);
    }
}

double Loudness(const Samples& samples) {
    // Windows of 30 ms (or the whole effect when it is shorter).
    const std::size_t window = std::min(Index(0.03), samples.size());
    double best = 0;
    double sum = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sum += samples[i] * samples[i];
        if (i >= window) {
            sum -= samples[i - window] * samples[i - window];
        }
        if (i + 1 >= window) {
            best = std::max(best, std::max(sum, 0.0) / static_cast<double>(window));
        }
    }
    return 10 * std::log10(std::max(best, 1e-12));
}

double Peak(const Samples& samples) {
    double peak = 0;
    for (double s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

void Level(Samples& samples, double loudnessDb, double peakLimit) {
    double gain = std::pow(10.0, (loudnessDb - Loudness(samples)) / 20);
    const double peak = Peak(samples) * gain;
    if (peak > peakLimit) {
        gain *= peakLimit / peak;
    }
    for (double& s : samples) {
        s *= gain;
    }
}

std::vector<std::int16_t> ToPcm16(const Samples& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        pcm.push_back(static_cast<std::int16_t>(std::clamp(std::lround(s * 32767), -32767L, 32767L)));
    }
    return pcm;
}

}  // namespace synth
