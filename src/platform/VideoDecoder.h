#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Image.h"

namespace platform {

// The sound of a video as the decoder delivers it: 16-bit signed samples,
// interleaved stereo.
constexpr int kVideoAudioRate = 44100;
constexpr int kVideoAudioChannels = 2;

struct VideoFrame {
    Image image;          // ARGB pixels, opaque
    double seconds = 0;   // when the frame is due, from the start of the video
};

// Reads a video file (any container and codec the system's libavformat and
// libavcodec know): its first video stream frame by frame and, if it has one,
// its first sound stream alongside. The file is untrusted: a damaged picture
// ends the decoding, a damaged sound stream is dropped while the picture goes
// on, and nothing is logged.
class VideoDecoder {
public:
    // Null when the file is missing, unreadable, or has no decodable video
    // stream within kMaxImageSide (and within 4096 pixels per byte of the
    // file, which no real video comes near; a frame beyond either ends it).
    // The decoding lives in a module of its own, knobel_video.so, loaded on
    // the first call from beside the executable or from the installation's
    // library folder; without it no video opens.
    static std::unique_ptr<VideoDecoder> Open(const std::string& path);
    // The same for a whole file's bytes in memory (the decoder keeps a copy),
    // with the same limits; decodes the same frames as Open() of that file.
    static std::unique_ptr<VideoDecoder> OpenMemory(std::span<const uint8_t> bytes);
    virtual ~VideoDecoder() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool HasAudio() const = 0;
    // The nominal time between frames (1/25 s when the file does not say).
    virtual double FrameDuration() const = 0;

    // Decodes on to the next video frame. The sound decoded on the way is
    // appended to audio. False at the end of the file and on a decoding error
    // (then every later call is false too).
    virtual bool NextFrame(VideoFrame& frame, std::vector<int16_t>& audio) = 0;

protected:
    VideoDecoder() = default;
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;
};

}  // namespace platform
