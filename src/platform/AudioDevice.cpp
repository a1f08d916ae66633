#include "platform/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstring>

namespace platform {

namespace {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kOutputChunkFrames = 1024;

bool deviceOpen = false;

bool IsSupported(const PcmFormat& format) {
    return (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) && format.samplesPerSecond > 0;
}

// The samples converted to the mixer's output format; empty on failure.
std::vector<uint8_t> ConvertToOutput(const PcmFormat& format, const uint8_t* data, size_t size) {
    int rate = 0;
    Uint16 outputFormat = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &outputFormat, &channels) == 0) {
        return {};
    }
    const size_t frameBytes = static_cast<size_t>(format.BytesPerFrame());
    const size_t wholeBytes = size / frameBytes * frameBytes;
    SDL_AudioCVT cvt;
    const SDL_AudioFormat inputFormat = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if (wholeBytes == 0 || SDL_BuildAudioCVT(&cvt, inputFormat, static_cast<Uint8>(format.channels),
                                             format.samplesPerSecond, outputFormat,
                                             static_cast<Uint8>(channels), rate) < 0) {
        return {};
    }
    if (wholeBytes > static_cast<size_t>(INT_MAX / cvt.len_mult)) {
        return {};
    }
    std::vector<uint8_t> buffer(wholeBytes * static_cast<size_t>(cvt.len_mult));
    std::memcpy(buffer.data(), data, wholeBytes);
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(wholeBytes);
    if (cvt.needed != 0 && SDL_ConvertAudio(&cvt) != 0) {
        return {};
    }
    buffer.resize(static_cast<size_t>(cvt.needed != 0 ? cvt.len_cvt : cvt.len));
    return buffer;
}

}  // namespace

std::unique_ptr<AudioDevice> AudioDevice::Open(std::string* error) {
    auto fail = [error](const char* reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return nullptr;
    };
    if (deviceOpen) {
        return fail("the audio device is open already");
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return fail(SDL_GetError());
    }
    if (Mix_OpenAudio(kOutputRate, MIX_DEFAULT_FORMAT, kOutputChannels, kOutputChunkFrames) != 0) {
        fail(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    // Channels are handed out as voices are made; none exist before.
    Mix_AllocateChannels(0);
    deviceOpen = true;
    return std::unique_ptr<AudioDevice>(new AudioDevice());
}

AudioDevice::~AudioDevice() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_AllocateChannels(0);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

std::vector<std::unique_ptr<SoundBuffer>> AudioDevice::CreateVoices(const PcmFormat& format, const uint8_t* data,
                                                                    size_t size, int count) {
    std::vector<std::unique_ptr<SoundBuffer>> voices;
    if (count <= 0 || data == nullptr || !IsSupported(format)) {
        return voices;
    }
    auto samples = std::make_shared<std::vector<uint8_t>>(ConvertToOutput(format, data, size));
    if (samples->empty() || samples->size() > UINT32_MAX) {
        return voices;
    }
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples->data(), static_cast<Uint32>(samples->size()));
    if (chunk == nullptr) {
        return voices;
    }
    // The chunk only points at the samples: they live as long as the chunk.
    std::shared_ptr<Mix_Chunk> sample(chunk, [samples](Mix_Chunk* c) { Mix_FreeChunk(c); });
    if (Mix_AllocateChannels(channels_ + count) != channels_ + count) {
        Mix_AllocateChannels(channels_);
        return voices;
    }
    for (int i = 0; i < count; ++i) {
        voices.push_back(std::make_unique<SoundBuffer>(sample, channels_ + i));
    }
    channels_ += count;
    return voices;
}

}  // namespace platform
