#include "platform/SoundBuffer.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace platform {

float GainFromHundredthsDb(int hundredthsDb) {
    const int level = std::clamp(hundredthsDb, -10000, 0);
    return static_cast<float>(std::pow(10.0, level / 2000.0));
}

int MixerVolumeFromHundredthsDb(int hundredthsDb) {
    return static_cast<int>(std::lround(MIX_MAX_VOLUME * GainFromHundredthsDb(hundredthsDb)));
}

SoundBuffer::SoundBuffer(std::shared_ptr<Mix_Chunk> sample, int channel)
    : sample_(std::move(sample)), channel_(channel) {}

SoundBuffer::~SoundBuffer() { Mix_HaltChannel(channel_); }

bool SoundBuffer::IsPlaying() const { return Mix_Playing(channel_) != 0; }

void SoundBuffer::SetVolume(int hundredthsDb) { Mix_Volume(channel_, MixerVolumeFromHundredthsDb(hundredthsDb)); }

int SoundBuffer::MixerVolume() const { return Mix_Volume(channel_, -1); }

void SoundBuffer::Play() { Mix_PlayChannel(channel_, sample_.get(), 0); }

}  // namespace platform
