#pragma once

#include "sound/Synth.h"

// The intro's sound track, as long as the intro (mono, synth::kRate): a thump
// when the box arrives, a rising note and a soft whoosh as each tile leaves the
// box, and a bright chord when the name springs up, fading out with the picture.
synth::Samples IntroJingle(int tileCount);
