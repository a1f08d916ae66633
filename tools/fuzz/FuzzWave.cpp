// RIFF WAVE sounds as the sound loader parses them.
#include "FuzzTargets.h"
#include "media/Wave.h"

bool FuzzWave(const uint8_t* data, size_t size) {
    WaveData wave;
    if (!ParseWave(data, size, wave)) {
        return wave.samples.empty() && wave.format.extra.empty();
    }
    // Both chunks are parts of the file, so together they cannot be larger.
    if (wave.samples.size() + wave.format.extra.size() > size) {
        return false;
    }
    const bool playable = IsPlayableWave(wave);
    return !playable || (wave.format.blockAlign > 0 && wave.samples.size() >= wave.format.blockAlign);
}
