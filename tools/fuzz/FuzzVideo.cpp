// The intro video (intro.avi): the decoder reads the bytes from memory, as
// it would read them from the file.
#include "FuzzTargets.h"
#include "platform/VideoDecoder.h"

namespace {

// Enough frames to reach the decoding of pictures and sound; the rest of a
// long file adds time, not cases. A few changed bytes can claim a picture of
// many million pixels, which the decoder accepts within its limits but whose
// decoding takes most of the fuzzer's time on the memory alone: such a video
// is only opened, and the frames decoded stay within a budget of pixels.
constexpr int kDecodedFrames = 30;
constexpr size_t kDecodedPixels = size_t{1} << 16;

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
    if (static_cast<size_t>(width) * static_cast<size_t>(height) > kDecodedPixels) {
        return true;
    }
    platform::VideoFrame frame;
    std::vector<int16_t> audio;
    size_t pixels = 0;
    for (int i = 0; i < kDecodedFrames && pixels < kDecodedPixels && decoder->NextFrame(frame, audio); ++i) {
        const platform::Image& image = frame.image;
        if (image.width <= 0 || image.height <= 0 || image.width > platform::kMaxImageSide ||
            image.height > platform::kMaxImageSide ||
            image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
            return false;
        }
        pixels += image.pixels.size();
    }
    return audio.size() % platform::kVideoAudioChannels == 0;
}
