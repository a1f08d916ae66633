// The video decoder on libavformat and libavcodec, built as a module of its
// own: the program loads it (and with it the codec libraries) only when it
// plays a video.
#include "platform/VideoDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

namespace {

constexpr double kDefaultFrameDuration = 1.0 / 25.0;

// The intro is an AVI file holding MPEG-4 pictures and PCM sound, and nothing
// else is read: none of libav's many other demuxers and decoders sees a file
// from the data folder, and none spends time probing it.
constexpr const char* kContainer = "avi";
constexpr const char* kDecoders = "mpeg4,pcm_s16le";

// A picture may not claim more pixels than this per byte of the file: no real
// video compresses that far, and a few damaged bytes cannot make the decoder
// allocate hundreds of megabytes.
constexpr uint64_t kMaxPixelsPerFileByte = 4096;

bool UsableSize(int width, int height, uint64_t fileSize) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= fileSize * kMaxPixelsPerFileByte;
}

// A decoder for one stream of the file; null when the stream cannot be
// decoded or its codec is not one the intro uses. A picture decoder refuses a
// picture much larger than the stream's stated size before it allocates the
// picture's memory. libav checks the size of its buffers, which add edges and
// alignment to the picture: 256 pixels more each way leave room for them.
AVCodecContext* OpenStreamDecoder(const AVStream* stream) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (codec == nullptr) {
        return nullptr;
    }
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (context == nullptr) {
        return nullptr;
    }
    context->thread_count = 1;
    if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
        context->max_pixels = (int64_t{stream->codecpar->width} + 256) * (int64_t{stream->codecpar->height} + 256);
    }
    context->codec_whitelist = av_strdup(kDecoders);
    if (context->codec_whitelist == nullptr || avcodec_parameters_to_context(context, stream->codecpar) < 0 ||
        avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
        return nullptr;
    }
    return context;
}


// Bytes in memory read as if they were a file: libav's custom input over a
// copy of the bytes, with a read and a seek callback.
class MemoryInput {
public:
    MemoryInput(const uint8_t* data, size_t size) {
        if (size > 0) {
            bytes_.assign(reinterpret_cast<const char*>(data), size);
        }
    }
    ~MemoryInput() {
        if (context_ != nullptr) {
            av_freep(&context_->buffer);
            avio_context_free(&context_);
        }
    }
    MemoryInput(const MemoryInput&) = delete;
    MemoryInput& operator=(const MemoryInput&) = delete;

    // The context for AVFormatContext::pb; null when it cannot be made.
    AVIOContext* Context() {
        if (context_ == nullptr) {
            auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
            if (buffer == nullptr) {
                return nullptr;
            }
            context_ = avio_alloc_context(buffer, kBufferSize, 0, this, &MemoryInput::Read, nullptr,
                                          &MemoryInput::Seek);
            if (context_ == nullptr) {
                av_free(buffer);
            }
        }
        return context_;
    }

private:
    static constexpr int kBufferSize = 16384;

    static int Read(void* opaque, uint8_t* target, int size) {
        auto& self = *static_cast<MemoryInput*>(opaque);
        const size_t left = self.bytes_.size() - self.position_;
        if (left == 0) {
            return AVERROR_EOF;
        }
        const size_t count = std::min(left, static_cast<size_t>(std::max(size, 0)));
        std::memcpy(target, self.bytes_.data() + self.position_, count);
        self.position_ += count;
        return static_cast<int>(count);
    }

    // Positions outside the bytes are refused; AVSEEK_SIZE asks for the size.
    static int64_t Seek(void* opaque, int64_t offset, int whence) {
        auto& self = *static_cast<MemoryInput*>(opaque);
        const auto size = static_cast<int64_t>(self.bytes_.size());
        int64_t base = 0;
        switch (whence & ~AVSEEK_FORCE) {
            case AVSEEK_SIZE:
                return size;
            case SEEK_SET:
                break;
            case SEEK_CUR:
                base = static_cast<int64_t>(self.position_);
                break;
            case SEEK_END:
                base = size;
                break;
            default:
                return AVERROR(EINVAL);
        }
        if (offset < -base || offset > size - base) {
            return AVERROR(EINVAL);
        }
        self.position_ = static_cast<size_t>(base + offset);
        return base + offset;
    }

    std::string bytes_;
    size_t position_ = 0;
    AVIOContext* context_ = nullptr;
};

struct State {
    std::unique_ptr<MemoryInput> memory;  // the input when it is not a file; outlives `format`
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    int videoStream = -1;
    int audioStream = -1;
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    bool draining = false;  // the file is read to its end; the decoders give what they hold
    bool finished = false;
    double lastSeconds = -1.0;
    uint64_t fileSize = 0;
    int width = 0;  // the picture size the header states; no picture is larger
    int height = 0;

    ~State() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&resampler);
        sws_freeContext(scaler);
        avcodec_free_context(&audio);
        avcodec_free_context(&video);
        avformat_close_input(&format);
    }

    bool OpenAudio(int stream);
    void DecodeAudio(const AVPacket* input, std::vector<int16_t>& out);
    void ConvertAudio(std::vector<int16_t>& out);
    bool ConvertVideo(VideoFrame& out);
    double FrameSeconds() const;
    double FrameDuration() const;
};

// Sound of a usable rate and channel count, converted to the output's format.
// Rates between these are what sound files use; a header claiming another is
// damaged, and converting from it could take a resampler of millions of
// coefficients, built before the first frame shows.
constexpr int kMinSoundRate = 8000;
constexpr int kMaxSoundRate = 192000;
constexpr int kMaxSoundChannels = 8;

bool State::OpenAudio(int stream) {
    audio = OpenStreamDecoder(format->streams[stream]);
    if (audio == nullptr || audio->ch_layout.nb_channels <= 0 || audio->ch_layout.nb_channels > kMaxSoundChannels ||
        audio->sample_rate < kMinSoundRate || audio->sample_rate > kMaxSoundRate) {
        avcodec_free_context(&audio);
        return false;
    }
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&resampler, &stereo, AV_SAMPLE_FMT_S16, kVideoAudioRate, &audio->ch_layout,
                            audio->sample_fmt, audio->sample_rate, 0, nullptr) < 0 ||
        swr_init(resampler) < 0) {
        swr_free(&resampler);
        avcodec_free_context(&audio);
        return false;
    }
    audioStream = stream;
    return true;
}

// Feeds one packet (null: the end of the file) to the sound decoder and
// appends what comes out. A damaged sound stream is dropped; the picture goes on.
void State::DecodeAudio(const AVPacket* input, std::vector<int16_t>& out) {
    if (audio == nullptr) {
        return;
    }
    if (avcodec_send_packet(audio, input) < 0) {
        audioStream = -1;
        avcodec_free_context(&audio);
        return;
    }
    while (avcodec_receive_frame(audio, frame) == 0) {
        ConvertAudio(out);
        av_frame_unref(frame);
    }
}

void State::ConvertAudio(std::vector<int16_t>& out) {
    const int capacity = swr_get_out_samples(resampler, frame->nb_samples);
    if (capacity <= 0) {
        return;
    }
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(capacity) * kVideoAudioChannels);
    auto* target = reinterpret_cast<uint8_t*>(out.data() + start);
    const int converted = swr_convert(resampler, &target, capacity,
                                      const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
    out.resize(start + static_cast<size_t>(converted > 0 ? converted : 0) * kVideoAudioChannels);
}

bool State::ConvertVideo(VideoFrame& out) {
    if (frame->width <= 0 || frame->height <= 0 || frame->width > width || frame->height > height) {
        return false;
    }
    scaler = sws_getCachedContext(scaler, frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                  frame->width, frame->height, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr,
                                  nullptr);
    if (scaler == nullptr) {
        return false;
    }
    out.image.width = frame->width;
    out.image.height = frame->height;
    out.image.pixels.assign(static_cast<size_t>(frame->width) * frame->height, 0);
    // BGRA bytes are ARGB words on a little-endian machine.
    uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(out.image.pixels.data()), nullptr, nullptr, nullptr};
    int strides[4] = {frame->width * 4, 0, 0, 0};
    if (sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes, strides) != frame->height) {
        return false;
    }
    const double seconds = FrameSeconds();
    out.seconds = seconds;
    lastSeconds = seconds;
    return true;
}

double State::FrameDuration() const {
    const AVStream* stream = format->streams[videoStream];
    const AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0) {
        const double duration = av_q2d(av_inv_q(rate));
        if (duration > 0.001 && duration < 1.0) {
            return duration;
        }
    }
    return kDefaultFrameDuration;
}

// The frame's time from the start of the stream; a frame without a time
// stamp follows its predecessor by one frame duration.
double State::FrameSeconds() const {
    const AVStream* stream = format->streams[videoStream];
    const int64_t stamp = frame->best_effort_timestamp;
    if (stamp == AV_NOPTS_VALUE) {
        return lastSeconds < 0 ? 0.0 : lastSeconds + FrameDuration();
    }
    const int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
    const double seconds = static_cast<double>(stamp - start) * av_q2d(stream->time_base);
    return seconds > 0 ? seconds : 0.0;
}

// The decoder the program gets from this module.
class LibavVideoDecoder final : public VideoDecoder {
public:
    explicit LibavVideoDecoder(std::unique_ptr<State> state) : state_(std::move(state)) {}

    int Width() const override { return state_->width; }
    int Height() const override { return state_->height; }
    bool HasAudio() const override { return state_->audio != nullptr; }
    double FrameDuration() const override { return state_->FrameDuration(); }
    bool NextFrame(VideoFrame& frame, std::vector<int16_t>& audio) override;

private:
    std::unique_ptr<State> state_;
};

// Opens the video stream of state->format, which avformat_open_input read
// either from a file or from memory, and its sound when it has one; null when
// there is no decodable video stream. The AVI header states the picture's
// size, and a size beyond the limits refuses the file before a decoder is
// opened: a damaged header costs no memory.
std::unique_ptr<VideoDecoder> OpenStreams(std::unique_ptr<State> state) {
    const int videoStream = av_find_best_stream(state->format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (videoStream < 0) {
        return nullptr;
    }
    const AVStream* stream = state->format->streams[videoStream];
    state->width = stream->codecpar->width;
    state->height = stream->codecpar->height;
    if (!UsableSize(state->width, state->height, state->fileSize)) {
        return nullptr;
    }
    state->video = OpenStreamDecoder(stream);
    if (state->video == nullptr) {
        return nullptr;
    }
    state->videoStream = videoStream;
    const int audioStream = av_find_best_stream(state->format, AVMEDIA_TYPE_AUDIO, -1, videoStream, nullptr, 0);
    if (audioStream >= 0) {
        state->OpenAudio(audioStream);
    }
    state->packet = av_packet_alloc();
    state->frame = av_frame_alloc();
    if (state->packet == nullptr || state->frame == nullptr) {
        return nullptr;
    }
    return std::make_unique<LibavVideoDecoder>(std::move(state));
}

// Reads the container's header from the path, or from state.format's own
// input when it has one (path null). Only a plain file is opened by path. On
// failure avformat_open_input frees the format context, not the input.
bool OpenContainer(State& state, const char* path) {
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int opened = avformat_open_input(&state.format, path, av_find_input_format(kContainer), &options);
    av_dict_free(&options);
    return opened >= 0;
}

std::unique_ptr<VideoDecoder> OpenLibavFile(const std::string& path) {
    av_log_set_level(AV_LOG_QUIET);
    auto state = std::make_unique<State>();
    std::error_code error;
    state->fileSize = std::filesystem::file_size(path, error);
    if (error) {
        return nullptr;
    }
    if (!OpenContainer(*state, path.c_str())) {
        return nullptr;
    }
    return OpenStreams(std::move(state));
}

std::unique_ptr<VideoDecoder> OpenLibavMemory(const uint8_t* data, size_t size) {
    av_log_set_level(AV_LOG_QUIET);
    auto state = std::make_unique<State>();
    state->fileSize = size;
    state->memory = std::make_unique<MemoryInput>(data, size);
    state->format = avformat_alloc_context();
    if (state->format == nullptr) {
        return nullptr;
    }
    state->format->pb = state->memory->Context();
    if (state->format->pb == nullptr) {
        return nullptr;
    }
    if (!OpenContainer(*state, nullptr)) {
        return nullptr;
    }
    return OpenStreams(std::move(state));
}

bool LibavVideoDecoder::NextFrame(VideoFrame& out, std::vector<int16_t>& audio) {
    State& s = *state_;
    while (!s.finished) {
        const int received = avcodec_receive_frame(s.video, s.frame);
        if (received == 0) {
            const bool converted = s.ConvertVideo(out);
            av_frame_unref(s.frame);
            if (converted) {
                return true;
            }
            break;
        }
        if (received != AVERROR(EAGAIN) || s.draining) {
            break;  // the end of the stream, or a decoding error
        }
        if (av_read_frame(s.format, s.packet) < 0) {
            // The end of the file (or a read error): take what the decoders still hold.
            s.draining = true;
            s.DecodeAudio(nullptr, audio);
            if (avcodec_send_packet(s.video, nullptr) < 0) {
                break;
            }
            continue;
        }
        int sent = 0;
        if (s.packet->stream_index == s.videoStream) {
            sent = avcodec_send_packet(s.video, s.packet);
        } else if (s.packet->stream_index == s.audioStream) {
            s.DecodeAudio(s.packet, audio);
        }
        av_packet_unref(s.packet);
        if (sent < 0) {
            break;
        }
    }
    s.finished = true;
    return false;
}

}  // namespace

}  // namespace platform

// The two symbols the program looks up after loading this module: a video
// from a file, and one from bytes in memory (copied; the caller keeps its own).
extern "C" __attribute__((visibility("default"))) platform::VideoDecoder* knobel_open_video(const char* path) {
    return path != nullptr ? platform::OpenLibavFile(path).release() : nullptr;
}

extern "C" __attribute__((visibility("default"))) platform::VideoDecoder* knobel_open_video_memory(
    const uint8_t* data, size_t size) {
    return data != nullptr || size == 0 ? platform::OpenLibavMemory(data, size).release() : nullptr;
}
