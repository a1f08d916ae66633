#pragma once

#include <vector>

#include "sound/Synth.h"

// The game's sound effects: id, file name in the archive's "Sounds" folder
// and the recipe that synthesizes it (levelled and faded).
struct SoundEffect {
    int id;
    const char* file;
    synth::Samples (*make)();
};

const std::vector<SoundEffect>& SoundEffects();
