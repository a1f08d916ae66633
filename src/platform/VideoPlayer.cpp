#include "platform/VideoPlayer.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Clock.h"
#include "platform/VideoDecoder.h"

namespace platform {

namespace {

// The longest a frame waits for its time stamp after the previous frame.
constexpr double kMaxFrameGap = 0.5;
// A display too slow for every picture skips some, but keeps no picture
// longer than this.
constexpr double kLongestStill = 0.2;
// How long one wait sleeps at most between two looks at the events.
constexpr double kEventPollSeconds = 0.005;
constexpr int kAudioBytesPerSecond = kVideoAudioRate * kVideoAudioChannels * 2;

// The full-screen window the video is shown in, with its renderer and the
// texture each frame is copied into.
struct VideoScreen {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0;
    int textureHeight = 0;
    int cursorWas = SDL_ENABLE;

    ~VideoScreen() {
        if (texture != nullptr) {
            SDL_DestroyTexture(texture);
        }
        if (renderer != nullptr) {
            SDL_DestroyRenderer(renderer);
        }
        if (window != nullptr) {
            SDL_DestroyWindow(window);
            SDL_ShowCursor(cursorWas);
        }
    }

    bool Open(int width, int height) {
        window = SDL_CreateWindow("Knobelkiste", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_FULLSCREEN_DESKTOP);
        if (window == nullptr) {
            return false;
        }
        cursorWas = SDL_ShowCursor(SDL_QUERY);
        SDL_ShowCursor(SDL_DISABLE);
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (renderer == nullptr) {
            renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        }
        // The picture keeps its proportions; the rest of the screen stays black.
        return renderer != nullptr && SDL_RenderSetLogicalSize(renderer, width, height) == 0;
    }

    bool Show(const Image& image) {
        if (texture == nullptr || textureWidth != image.width || textureHeight != image.height) {
            if (texture != nullptr) {
                SDL_DestroyTexture(texture);
            }
            texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                        image.width, image.height);
            textureWidth = image.width;
            textureHeight = image.height;
        }
        if (texture == nullptr ||
            SDL_UpdateTexture(texture, nullptr, image.pixels.data(), image.width * 4) != 0) {
            return false;
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer);
        return true;
    }
};

// The video's sound: an output device of its own that is fed as the frames
// are decoded. Without an audio output the video plays silent.
struct VideoSound {
    SDL_AudioDeviceID device = 0;

    ~VideoSound() {
        if (device != 0) {
            SDL_CloseAudioDevice(device);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }

    void Open() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = kVideoAudioRate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = kVideoAudioChannels;
        wanted.samples = 1024;
        device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (device == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return;
        }
        SDL_PauseAudioDevice(device, 0);
    }

    void Queue(std::vector<int16_t>& samples) {
        if (device != 0 && !samples.empty()) {
            SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(samples.size() * sizeof(int16_t)));
        }
        samples.clear();
    }

    double QueuedSeconds() const {
        return device == 0 ? 0.0 : static_cast<double>(SDL_GetQueuedAudioSize(device)) / kAudioBytesPerSecond;
    }
};

// Reads the waiting events: Escape pressed or the program told to stop end
// the video; everything else is dropped.
std::optional<VideoEnd> ReadEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_QUIT) {
            return VideoEnd::Quit;
        }
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
            return VideoEnd::Escape;
        }
    }
    return std::nullopt;
}

// Waits until the moment of the clock has come, reading events all the while.
std::optional<VideoEnd> WaitUntil(Clock& clock, double moment) {
    for (;;) {
        if (std::optional<VideoEnd> end = ReadEvents()) {
            return end;
        }
        const double remaining = moment - clock.Seconds();
        if (remaining <= 0) {
            return std::nullopt;
        }
        clock.Sleep(std::min(remaining, kEventPollSeconds) + 0.001);
    }
}

}  // namespace

VideoEnd PlayVideoFullscreen(const std::string& path, Clock* pace) {
    SystemClock systemClock;
    Clock& clock = pace != nullptr ? *pace : systemClock;
    std::unique_ptr<VideoDecoder> decoder = VideoDecoder::Open(path);
    VideoFrame frame;
    std::vector<int16_t> audio;
    if (!decoder || !decoder->NextFrame(frame, audio)) {
        return VideoEnd::Failed;
    }
    VideoScreen screen;
    if (!screen.Open(decoder->Width(), decoder->Height())) {
        return VideoEnd::Failed;
    }
    VideoSound sound;
    if (decoder->HasAudio()) {
        sound.Open();
    }

    const double start = clock.Seconds();
    double shown = 0.0;                 // when the last frame was due, from the start
    double presented = -kLongestStill;  // when a picture last reached the screen
    for (;;) {
        sound.Queue(audio);
        const double due = std::clamp(frame.seconds, shown, shown + kMaxFrameGap);
        if (std::optional<VideoEnd> end = WaitUntil(clock, start + due)) {
            return *end;
        }
        const double now = clock.Seconds() - start;
        if (now <= due + decoder->FrameDuration() || now - presented >= kLongestStill) {
            if (!screen.Show(frame.image)) {
                return VideoEnd::Finished;
            }
            presented = now;
        }
        shown = due;
        if (!decoder->NextFrame(frame, audio)) {
            break;
        }
    }
    // The last frame stays for its time, and the sound plays out.
    sound.Queue(audio);
    const double last = std::max(start + shown + decoder->FrameDuration(), clock.Seconds() + sound.QueuedSeconds());
    if (std::optional<VideoEnd> end = WaitUntil(clock, last)) {
        return *end;
    }
    return VideoEnd::Finished;
}

}  // namespace platform
