#pragma once

#include <memory>

struct Mix_Chunk;

namespace platform {

// The linear gain of a volume given in hundredths of a decibel (0 is
// unattenuated, -10000 is silence); values above 0 count as 0.
float GainFromHundredthsDb(int hundredthsDb);

// The mixer's volume (0..128) for a volume in hundredths of a decibel.
int MixerVolumeFromHundredthsDb(int hundredthsDb);

// One voice of a sound effect: a mixer channel of its own that plays one
// sample, which several voices may share. Made by AudioDevice::CreateVoices;
// all voices must go before their device.
class SoundBuffer {
public:
    SoundBuffer(std::shared_ptr<Mix_Chunk> sample, int channel);
    // Stops the voice.
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    bool IsPlaying() const;
    // Sets the volume of the next and the current play, in hundredths of a decibel.
    void SetVolume(int hundredthsDb);
    // The voice's mixer volume, 0..128.
    int MixerVolume() const;
    // Plays the sample once from its start.
    void Play();

    int Channel() const { return channel_; }

private:
    std::shared_ptr<Mix_Chunk> sample_;
    int channel_;
};

}  // namespace platform
