// The intro video (intro.avi): the decoder reads the bytes from memory, as
// it would read them from the file.
#include "FuzzTargets.h"
#include "platform/VideoDecoder.h"

namespace {

// Enough frames to reach the decoding of pictures and sound; the rest of a
// long file adds time, not cases.
constexpr int kDecodedFrames = 30;

}  // namespace

bool FuzzVideo(const uint8_t* data, size_t size) {
    auto decoder = platform::VideoDecoder::OpenMemory({data, size});
    if (!decoder) {
        return true;
    }
    const int width = decoder->Width();
    const int height = decoder->Height();
    if (width <= 0 || height <= 0 || width > platform::kMaxImageSide || height > platform::kMaxImageSide ||
        !(decoder->FrameDuration() > 0.0)) {
        return false;
    }
    platform::VideoFrame frame;
    std::vector<int16_t> audio;
    for (int i = 0; i < kDecodedFrames && decoder->NextFrame(frame, audio); ++i) {
        const platform::Image& image = frame.image;
        if (image.width <= 0 || image.height <= 0 || image.width > platform::kMaxImageSide ||
            image.height > platform::kMaxImageSide ||
            image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
            return false;
        }
    }
    return audio.size() % platform::kVideoAudioChannels == 0;
}
