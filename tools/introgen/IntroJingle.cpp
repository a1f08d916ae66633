#include "IntroJingle.h"

#include "IntroScene.h"

namespace {

constexpr double kFadeOut = 0.7;

// A pentatonic run upwards from C5.
constexpr double kRun[] = {523.25, 587.33, 659.25, 783.99, 880.0, 1046.5, 1174.66, 1318.51, 1567.98};
constexpr int kRunLength = sizeof(kRun) / sizeof(kRun[0]);

void BoxThump(synth::Samples& s) {
    const double lands = IntroScene::BoxArrivalTime();
    synth::AddTone(s, {.start = lands, .length = 0.3, .from = 120, .to = 70, .amplitude = 0.9,
                       .attack = 0.002, .decay = 0.09, .release = 0.05, .partials = {1, 0.3}});
    synth::AddNoise(s, {.start = lands, .length = 0.12, .amplitude = 0.35, .decay = 0.03, .cutoff = 900,
                        .seed = 11});
}

void TileNote(synth::Samples& s, int index) {
    const double start = IntroScene::TileLaunchTime(index);
    synth::AddNoise(s, {.start = start, .length = 0.25, .amplitude = 0.12, .attack = 0.06, .decay = 0.1,
                        .cutoff = 2600, .seed = 20u + static_cast<unsigned>(index)});
    synth::AddTone(s, {.start = start + 0.02, .length = 0.4, .from = kRun[index % kRunLength], .amplitude = 0.55,
                       .attack = 0.003, .decay = 0.13, .release = 0.06, .partials = {1, 0.1, 0, 0.2}});
}

void NameChord(synth::Samples& s) {
    const double start = IntroScene::kLogoTime;
    for (const double pitch : {523.25, 659.25, 783.99, 1046.5}) {
        synth::AddTone(s, {.start = start, .length = 2.2, .from = pitch, .amplitude = 0.4, .attack = 0.008,
                           .decay = 0.9, .release = 0.6, .vibrato = 0.004, .partials = {1, 0.2, 0.05}});
    }
    synth::AddTone(s, {.start = start + 0.12, .length = 0.6, .from = 2093.0, .amplitude = 0.12, .attack = 0.002,
                       .decay = 0.15, .release = 0.1});
    synth::AddTone(s, {.start = start + 0.27, .length = 0.6, .from = 2637.0, .amplitude = 0.1, .attack = 0.002,
                       .decay = 0.15, .release = 0.1});
}

}  // namespace

synth::Samples IntroJingle(int tileCount) {
    synth::Samples s = synth::Silence(IntroScene::kSeconds);
    BoxThump(s);
    for (int i = 0; i < tileCount; ++i) {
        TileNote(s, i);
    }
    NameChord(s);
    synth::Fade(s, 0.002, kFadeOut);
    synth::Level(s, -16, 0.89);
    return s;
}
