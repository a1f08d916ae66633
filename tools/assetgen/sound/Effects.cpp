#include "sound/Effects.h"

namespace {

using synth::Noise;
using synth::Samples;
using synth::Tone;

// Every effect ends the same way: fades against clicks, then levelling.
Samples Finish(Samples s, double loudnessDb, double fadeOut = 0.008) {
    synth::Fade(s, 0.0015, fadeOut);
    synth::Level(s, loudnessDb, 0.89);
    return s;
}

// A crisp, very short tick for menu buttons.
Samples MenuClick() {
    Samples s = synth::Silence(0.07);
    synth::AddTone(s, {.length = 0.07, .from = 2300, .to = 1500, .attack = 0.0008, .decay = 0.011,
                       .partials = {1, 0.25}});
    synth::AddTone(s, {.length = 0.07, .from = 820, .to = 700, .amplitude = 0.6, .attack = 0.001,
                       .decay = 0.016});
    synth::AddNoise(s, {.length = 0.02, .amplitude = 0.35, .decay = 0.004, .cutoff = 7000, .seed = 3});
    return Finish(s, -15, 0.01);
}

// A soft rising blip: every click in a game, and a right answer.
Samples GameClick() {
    Samples s = synth::Silence(0.15);
    synth::AddTone(s, {.length = 0.15, .from = 620, .to = 1040, .attack = 0.004, .decay = 0.045,
                       .release = 0.02, .partials = {1, 0.18, 0.06}});
    synth::AddTone(s, {.start = 0.012, .length = 0.12, .from = 1240, .to = 2080, .amplitude = 0.12,
                       .attack = 0.004, .decay = 0.03, .release = 0.02});
    return Finish(s, -14, 0.02);
}

// A bright marimba arpeggio ending on a held chord: the game is done.
Samples Win() {
    Samples s = synth::Silence(1.5);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        synth::AddTone(s, {.start = 0.11 * i, .length = 0.5, .from = notes[i], .amplitude = 0.8,
                           .attack = 0.003, .decay = 0.16, .release = 0.05,
                           .partials = {1, 0.1, 0, 0.22}});
    }
    const double chord[] = {783.99, 1046.5, 1318.5};
    for (double pitch : chord) {
        synth::AddTone(s, {.start = 0.46, .length = 1.04, .from = pitch, .amplitude = 0.45,
                           .attack = 0.006, .decay = 0.42, .release = 0.25, .vibrato = 0.004,
                           .partials = {1, 0.2, 0.05}});
    }
    synth::AddTone(s, {.start = 0.46, .length = 0.7, .from = 2093, .amplitude = 0.12, .attack = 0.002,
                       .decay = 0.12, .release = 0.1});
    return Finish(s, -12, 0.2);
}

// Three falling notes with a sagging end.
Samples Lose() {
    Samples s = synth::Silence(1.25);
    const double notes[] = {392.0, 311.13, 261.63};
    for (int i = 0; i < 3; ++i) {
        const bool last = i == 2;
        synth::AddTone(s, {.start = 0.24 * i, .length = last ? 0.76 : 0.26, .from = notes[i],
                           .to = last ? notes[i] * 0.94 : 0, .amplitude = 0.8, .attack = 0.01,
                           .decay = last ? 0.4 : 0.2, .release = last ? 0.2 : 0.04,
                           .vibrato = last ? 0.008 : 0, .partials = {1, 0, 0.11, 0, 0.04}});
    }
    return Finish(s, -13, 0.15);
}

// Three urgent buzzer beeps.
Samples Alarm() {
    Samples s = synth::Silence(0.72);
    for (int i = 0; i < 3; ++i) {
        synth::AddTone(s, {.start = 0.24 * i, .length = 0.17, .from = i % 2 == 0 ? 880.0 : 740.0,
                           .amplitude = 0.7, .attack = 0.005, .release = 0.02,
                           .partials = {1, 0, 0.33, 0, 0.2, 0, 0.14, 0, 0.11}});
    }
    return Finish(s, -13.5, 0.02);
}

// A short "uh-oh": two low, dull notes for a wrong answer.
Samples WrongAnswer() {
    Samples s = synth::Silence(0.34);
    synth::AddTone(s, {.length = 0.14, .from = 233, .to = 226, .amplitude = 0.8, .attack = 0.006,
                       .decay = 0.3, .release = 0.025, .partials = {1, 0.45, 0.3, 0.18, 0.1}});
    synth::AddTone(s, {.start = 0.15, .length = 0.19, .from = 175, .to = 160, .amplitude = 0.8,
                       .attack = 0.006, .decay = 0.25, .release = 0.05, .partials = {1, 0.45, 0.3, 0.18, 0.1}});
    return Finish(s, -13, 0.04);
}

// A round bubble pop: a quick upward sweep.
Samples Pop() {
    Samples s = synth::Silence(0.12);
    synth::AddTone(s, {.length = 0.12, .from = 360, .to = 1250, .attack = 0.0015, .decay = 0.03,
                       .release = 0.02, .partials = {1, 0.12}});
    synth::AddNoise(s, {.length = 0.012, .amplitude = 0.25, .decay = 0.003, .cutoff = 3000, .seed = 5});
    return Finish(s, -14, 0.02);
}

// A dull thud: a falling low sine with a muffled knock.
Samples Punch() {
    Samples s = synth::Silence(0.26);
    synth::AddTone(s, {.length = 0.26, .from = 130, .to = 42, .attack = 0.002, .decay = 0.075,
                       .release = 0.04, .partials = {1, 0.2}});
    synth::AddNoise(s, {.length = 0.06, .amplitude = 0.7, .decay = 0.014, .cutoff = 900, .seed = 9});
    return Finish(s, -12.5, 0.04);
}

}  // namespace

const std::vector<SoundEffect>& SoundEffects() {
    static const std::vector<SoundEffect> effects = {
        {0, "klick_menu.wav", MenuClick}, {1, "klick_game.wav", GameClick},
        {5, "win.wav", Win},              {6, "lose.wav", Lose},
        {10, "alarm.wav", Alarm},         {11, "lamp1.wav", WrongAnswer},
        {12, "pop.wav", Pop},             {13, "punch.wav", Punch},
    };
    return effects;
}
