#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/SoundBuffer.h"

namespace platform {

// The layout of PCM sample data: 8-bit samples are unsigned, 16-bit ones
// signed little-endian; channels are interleaved.
struct PcmFormat {
    int channels = 1;
    int samplesPerSecond = 44100;
    int bitsPerSample = 16;

    int BytesPerFrame() const { return channels * bitsPerSample / 8; }
};

// The audio output: the default device through the mixer. Sound effects play
// on mixer channels of their own (SoundBuffer). One device is open at a time.
class AudioDevice {
public:
    // Null (with the reason in error) when there is no usable audio output
    // or a device is open already.
    static std::unique_ptr<AudioDevice> Open(std::string* error = nullptr);
    // Stops everything and closes the device.
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // `count` voices holding the same samples, each on a channel of its own.
    // data holds PCM in `format` (1 or 2 channels, 8 or 16 bits); a trailing
    // partial frame is ignored. Empty when there is no whole frame, the format
    // cannot be converted to the device's, or channels run out.
    std::vector<std::unique_ptr<SoundBuffer>> CreateVoices(const PcmFormat& format, const uint8_t* data,
                                                           size_t size, int count);

    // Mixer channels handed out so far.
    int ChannelCount() const { return channels_; }

private:
    AudioDevice() = default;

    int channels_ = 0;
};

}  // namespace platform
